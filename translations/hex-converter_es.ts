<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (tailandés)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japonés)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (chino simplificado)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (coreano)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (chino tradicional)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (centroeuropeo)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cirílico)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (europeo occidental)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (griego)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turco)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hebreo)</translation>
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
        <translation>hex-converter: la opción «%1» necesita un valor; consulte «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: opción desconocida «%1»; consulte «hex-converter --help».</translation>
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
        <translation>Uso: hex-converter [--help | --version] [--code-page N] [opciones de Qt]
Convierte un carácter en sus dos dígitos hexadecimales y viceversa, en una
ventana pequeña, en la página de códigos %1.

  -h, --help          muestra este texto y termina
  -v, --version       muestra la versión y termina
      --code-page N   convierte en otra página de códigos de Windows: N es 874,
                      932, 936, 949, 950 o de 1250 a 1258

El programa no tiene más opciones propias. Se aplican las opciones estándar de
todo programa Qt, entre ellas:
  -platform NOMBRE    el sistema de ventanas que usar, como xcb o wayland
  -display PANTALLA   la pantalla X11 en la que abrir la ventana
  -style NOMBRE       el estilo de los widgets, como Fusion
  -stylesheet ARCHIVO una hoja de estilo con la que dibujar la ventana
  -reverse            disposición de derecha a izquierda
Los argumentos que no son opciones se ignoran.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Error inesperado</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Algo inesperado ha fallado; la conversión no ha terminado.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>No hay ningún carácter con el código %1: los códigos van de 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Una cadena de bits solo contiene los dígitos 0 y 1, no %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 no es un valor de byte: un byte es un número entero de 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Una cadena de bits tiene como máximo 8 caracteres, no %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Dos dígitos hexadecimales necesitan una cadena de bits de exactamente 8 caracteres, no %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Un texto vacío no se puede leer como número.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 no se puede leer como número: un número se escribe con los dígitos 0-9, un signo opcional y un punto opcional.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>No hay ningún dígito hexadecimal que convertir. Escriba uno o dos dígitos hexadecimales: 0-9 y A-F (mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 no es un dígito hexadecimal. Escriba uno o dos dígitos hexadecimales: 0-9 y A-F (mayúsculas o minúsculas).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>No coinciden los tipos</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuera del intervalo</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Cadena de bits no válida</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>No está en la página de códigos</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Otro programa está usando el portapapeles, así que no se ha copiado nada. Vuelva a pulsar Copiar dentro de un momento.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>El portapapeles no ha aceptado el texto, así que no se ha copiado nada. Vuelva a pulsar Copiar.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Portapapeles no disponible</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>No hay ningún carácter que convertir. Escriba un carácter de la página de códigos %1: ASCII, o una letra o un signo como %2 o %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>El carácter %1 no está en la página de códigos %2. Escriba un carácter de esa página de códigos: ASCII, o una letra o un signo como %3 o %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>El carácter %1 no es un único carácter de la página de códigos %2. Escriba un carácter de esa página de códigos: ASCII, o una letra o un signo como %3 o %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>El carácter %1 ocupa más de un byte en la página de códigos %2: %3. Escriba un carácter de un solo byte: ASCII, o una letra o un signo como %4 o %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>El byte %1 solo inicia un carácter de dos bytes en la página de códigos %2: por sí solo no representa ningún carácter.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>El byte %1 no representa ningún carácter en la página de códigos %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>No existe la página de códigos «%1»: elija una de %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>No es un único byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Página de códigos desconocida</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Ningún carácter</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
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
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Copiar el carácter</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Copiar los dígitos hexadecimales</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Página de códigos: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Página de códigos: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Convertir un carácter en sus dos dígitos hexadecimales y viceversa</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>una pantalla X11 (DISPLAY no está definida)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>la pantalla X11 «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>la pantalla Wayland «%1»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>una pantalla a través de la plataforma «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ni %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>una pantalla</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: no se puede abrir %1; no se puede mostrar la ventana.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: no hay ninguna pantalla en la que abrir la ventana (DISPLAY y WAYLAND_DISPLAY no están definidas)</translation>
    </message>
</context>
</TS>
