<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (tailandês)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japonês)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (chinês simplificado)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (coreano)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (chinês tradicional)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (centro-europeu)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cirílico)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (europeu ocidental)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (grego)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turco)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hebraico)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (árabe)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (báltico)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (vietnamita)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: a opção “%1” precisa de um valor; consulte “hex-converter --help”.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: opção desconhecida “%1”; consulte “hex-converter --help”.</translation>
    </message>
    <message>
        <source>Usage: hex-converter [--help | --version] [--code-page N] [Qt options]
Converts one character to its two hex digits and back, in a small window, in the
code page %1.

  -h, --help          show this text and exit
  -v, --version       show the version and exit
      --code-page N   convert in another of Windows&apos; code pages: N is 874, 932,
                      936, 949, 950 or 1250 to 1258

The program has no other options of its own. The standard options of every Qt
program apply, among them:
  -platform NAME      the window system to use, such as xcb or wayland
  -display DISPLAY    the X11 display to open the window on
  -style NAME         the widget style, such as Fusion
  -stylesheet FILE    a style sheet to draw the window with
  -reverse            lay out from right to left
Arguments that are not options are ignored.
</source>
        <translation>Uso: hex-converter [--help | --version] [--code-page N] [opções do Qt]
Converte um caractere em seus dois dígitos hexadecimais e vice-versa, em uma
janela pequena, na página de código %1.

  -h, --help          mostra este texto e sai
  -v, --version       mostra a versão e sai
      --code-page N   converte em outra página de código do Windows: N é 874,
                      932, 936, 949, 950 ou de 1250 a 1258

O programa não tem outras opções próprias. Aplicam-se as opções padrão de todo
programa Qt, entre elas:
  -platform NOME      o sistema de janelas a usar, como xcb ou wayland
  -display TELA       a tela X11 onde abrir a janela
  -style NOME         o estilo dos widgets, como Fusion
  -stylesheet ARQUIVO uma folha de estilo com a qual desenhar a janela
  -reverse            dispõe da direita para a esquerda
Argumentos que não são opções são ignorados.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Erro inesperado</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Algo inesperado deu errado; a conversão não foi concluída.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Não há nenhum caractere com o código %1: os códigos vão de 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Uma sequência de bits contém apenas os dígitos 0 e 1, não %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 não é um valor de byte: um byte é um número inteiro de 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Uma sequência de bits tem no máximo 8 caracteres, não %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Dois dígitos hexadecimais exigem uma sequência de bits de exatamente 8 caracteres, não %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Um texto vazio não pode ser lido como número.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 não pode ser lido como número: um número é escrito com os dígitos 0-9, um sinal opcional e um ponto opcional.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Não há nenhum dígito hexadecimal para converter. Digite um ou dois dígitos hexadecimais: 0-9 e A-F (maiúsculas ou minúsculas).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 não é um dígito hexadecimal. Digite um ou dois dígitos hexadecimais: 0-9 e A-F (maiúsculas ou minúsculas).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipos incompatíveis</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fora do intervalo</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Sequência de bits inválida</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Não está na página de código</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Outro programa está usando a área de transferência, então nada foi copiado. Clique em Copiar novamente em alguns instantes.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>A área de transferência não aceitou o texto, então nada foi copiado. Clique em Copiar novamente.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Área de transferência indisponível</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1” (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>Não há nenhum caractere para converter. Digite um caractere da página de código %1: ASCII, ou uma letra ou um símbolo como %2 ou %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>O caractere %1 não está na página de código %2. Digite um caractere dessa página de código: ASCII, ou uma letra ou um símbolo como %3 ou %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>O caractere %1 não é um único caractere da página de código %2. Digite um caractere dessa página de código: ASCII, ou uma letra ou um símbolo como %3 ou %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>O caractere %1 ocupa mais de um byte na página de código %2: %3. Digite um caractere de um só byte: ASCII, ou uma letra ou um símbolo como %4 ou %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>O byte %1 apenas inicia um caractere de dois bytes na página de código %2: sozinho, não representa nenhum caractere.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>O byte %1 não representa nenhum caractere na página de código %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Não existe a página de código “%1”: escolha uma entre %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Não é um único byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Página de código desconhecida</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Nenhum caractere</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>ASCII</source>
        <translation>ASCII</translation>
    </message>
    <message>
        <source>Hex Decimal</source>
        <translation>Hexadecimal</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Caractere</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Copiar o caractere</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Copiar os dígitos hexadecimais</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Página de código: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Página de código: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Converter um caractere em seus dois dígitos hexadecimais e vice-versa</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>uma tela X11 (DISPLAY não está definida)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>a tela X11 “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>a tela Wayland “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>uma tela por meio da plataforma “%1”</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 nem %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>uma tela</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: não é possível abrir %1; a janela não pode ser exibida.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: não há nenhuma tela onde abrir a janela (DISPLAY e WAYLAND_DISPLAY não estão definidas)</translation>
    </message>
</context>
</TS>
