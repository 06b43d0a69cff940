<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (thajština)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japonština)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (zjednodušená čínština)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (korejština)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (tradiční čínština)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (středoevropské jazyky)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrilice)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (západoevropské jazyky)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (řečtina)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turečtina)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hebrejština)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (arabština)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (pobaltské jazyky)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (vietnamština)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: volba „%1“ vyžaduje hodnotu; viz „hex-converter --help“.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: neznámá volba „%1“; viz „hex-converter --help“.</translation>
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
        <translation>Použití: hex-converter [--help | --version] [--code-page N] [volby Qt]
Převede jeden znak na jeho dvě šestnáctkové číslice a zpět, v malém okně,
v kódové stránce %1.

  -h, --help          vypíše tento text a skončí
  -v, --version       vypíše verzi a skončí
      --code-page N   převádí v jiné kódové stránce Windows: N je 874, 932,
                      936, 949, 950 nebo 1250 až 1258

Program nemá žádné další vlastní volby. Platí standardní volby každého
programu Qt, mezi nimi:
  -platform NÁZEV     okenní systém k použití, například xcb nebo wayland
  -display DISPLEJ    displej X11, na kterém se okno otevře
  -style NÁZEV        styl widgetů, například Fusion
  -stylesheet SOUBOR  šablona stylů, kterou se okno vykreslí
  -reverse            rozvržení zprava doleva
Argumenty, které nejsou volbami, se ignorují.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Neočekávaná chyba</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Došlo k neočekávané chybě; převod nebyl dokončen.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Znak s kódem %1 neexistuje: kódy jsou od 0 do 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Bitový řetězec obsahuje pouze číslice 0 a 1, nikoli %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 není hodnota bajtu: bajt je celé číslo od 0 do 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Bitový řetězec má nejvýše 8 znaků, nikoli %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Dvě šestnáctkové číslice vyžadují bitový řetězec o délce přesně 8 znaků, nikoli %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Prázdný text nelze přečíst jako číslo.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 nelze přečíst jako číslo: číslo se zapisuje číslicemi 0-9, s volitelným znaménkem a volitelnou tečkou.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Není zadána žádná šestnáctková číslice k převodu. Zadejte jednu nebo dvě šestnáctkové číslice: 0-9 a A-F (velká i malá písmena).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 není šestnáctková číslice. Zadejte jednu nebo dvě šestnáctkové číslice: 0-9 a A-F (velká i malá písmena).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Chyba</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Neshoda typů</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Mimo rozsah</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Neplatný bitový řetězec</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Není v kódové stránce</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Schránku používá jiný program, proto se nic nezkopírovalo. Za chvíli znovu stiskněte „Kopírovat“.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Schránka text nepřijala, proto se nic nezkopírovalo. Znovu stiskněte „Kopírovat“.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Schránka není k dispozici</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>Není zadán žádný znak k převodu. Zadejte znak kódové stránky %1: ASCII nebo písmeno či symbol, například %2 nebo %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Znak %1 v kódové stránce %2 není. Zadejte znak této kódové stránky: ASCII nebo písmeno či symbol, například %3 nebo %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Znak %1 není jedním znakem kódové stránky %2. Zadejte znak této kódové stránky: ASCII nebo písmeno či symbol, například %3 nebo %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Znak %1 zabírá v kódové stránce %2 více než jeden bajt: %3. Zadejte jednobajtový znak: ASCII nebo písmeno či symbol, například %4 nebo %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Bajt %1 v kódové stránce %2 pouze začíná dvoubajtový znak: sám o sobě nepředstavuje žádný znak.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Bajt %1 nepředstavuje v kódové stránce %2 žádný znak.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Kódová stránka „%1“ neexistuje: vyberte jednu z těchto: %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Více než jeden bajt</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Neznámá kódová stránka</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Žádný znak</translation>
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
        <translation>Šestnáctkově</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Vypočítat</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Šestnáctkové číslice</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Kopírovat znak</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Kopírovat šestnáctkové číslice</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Kódová stránka: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Kódová stránka: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Převádí jeden znak na jeho dvě šestnáctkové číslice a zpět</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>displej X11 (proměnná DISPLAY není nastavena)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>displej X11 „%1“</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>displej Wayland „%1“</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>displej přes platformu „%1“</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ani %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>displej</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: nelze otevřít %1; okno nelze zobrazit.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: není k dispozici žádný displej, na kterém by se otevřelo okno (proměnné DISPLAY a WAYLAND_DISPLAY nejsou nastaveny)</translation>
    </message>
</context>
</TS>
