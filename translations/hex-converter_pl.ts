<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (tajska)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japońska)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (chińska uproszczona)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (koreańska)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (chińska tradycyjna)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (środkowoeuropejska)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (cyrylica)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (zachodnioeuropejska)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (grecka)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turecka)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hebrajska)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (arabska)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (bałtycka)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (wietnamska)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: opcja „%1” wymaga wartości; zobacz „hex-converter --help”.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: nieznana opcja „%1”; zobacz „hex-converter --help”.</translation>
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
        <translation>Użycie: hex-converter [--help | --version] [--code-page N] [opcje Qt]
Zamienia jeden znak na jego dwie cyfry szesnastkowe i z powrotem w małym oknie,
w stronie kodowej %1.

  -h, --help          pokaż ten tekst i zakończ
  -v, --version       pokaż wersję i zakończ
      --code-page N   zamieniaj w innej stronie kodowej Windows: N to 874, 932,
                      936, 949, 950 lub od 1250 do 1258

Program nie ma innych własnych opcji. Obowiązują standardowe opcje każdego
programu Qt, m.in.:
  -platform NAZWA     system okien, np. xcb lub wayland
  -display EKRAN      ekran X11, na którym otworzyć okno
  -style NAZWA        styl widżetów, np. Fusion
  -stylesheet PLIK    arkusz stylów, którym rysować okno
  -reverse            układ od prawej do lewej
Argumenty, które nie są opcjami, są ignorowane.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Nieoczekiwany błąd</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Wystąpił nieoczekiwany problem; zamiana nie została ukończona.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Nie ma znaku o kodzie %1: kody mieszczą się w zakresie od 0 do 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Ciąg bitów zawiera tylko cyfry 0 i 1, a nie %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 nie jest wartością bajtu: bajt to liczba całkowita od 0 do 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Ciąg bitów ma najwyżej 8 znaków, a nie %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Dwie cyfry szesnastkowe wymagają ciągu bitów o długości dokładnie 8 znaków, a nie %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Pustego tekstu nie da się odczytać jako liczby.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 nie daje się odczytać jako liczba: liczbę zapisuje się cyframi 0-9, z opcjonalnym znakiem i opcjonalną kropką.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Nie ma cyfry szesnastkowej do zamiany. Wpisz jedną lub dwie cyfry szesnastkowe: 0-9 i A-F (małe lub wielkie).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 nie jest cyfrą szesnastkową. Wpisz jedną lub dwie cyfry szesnastkowe: 0-9 i A-F (małe lub wielkie).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Niezgodność typów</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Poza zakresem</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Nieprawidłowy ciąg bitów</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Brak w stronie kodowej</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Inny program używa schowka, więc nic nie zostało skopiowane. Za chwilę naciśnij ponownie Kopiuj.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Schowek nie przyjął tekstu, więc nic nie zostało skopiowane. Naciśnij ponownie Kopiuj.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Schowek niedostępny</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>„%1” (%2)</translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation>„%1”</translation>
    </message>
    <message>
        <source>There is no character to convert. Type a character of the code page %1: ASCII or a letter or sign such as %2 or %3.</source>
        <translation>Nie ma znaku do zamiany. Wpisz znak ze strony kodowej %1: ASCII albo literę lub symbol, np. %2 lub %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Znaku %1 nie ma w stronie kodowej %2. Wpisz znak z tej strony kodowej: ASCII albo literę lub symbol, np. %3 lub %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Znak %1 nie jest pojedynczym znakiem strony kodowej %2. Wpisz znak z tej strony kodowej: ASCII albo literę lub symbol, np. %3 lub %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Znak %1 zajmuje więcej niż jeden bajt w stronie kodowej %2: %3. Wpisz znak jednobajtowy: ASCII albo literę lub symbol, np. %4 lub %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Bajt %1 w stronie kodowej %2 tylko rozpoczyna znak dwubajtowy: sam nie oznacza żadnego znaku.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Bajt %1 nie oznacza żadnego znaku w stronie kodowej %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Nie ma strony kodowej „%1”: wybierz jedną z %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Nie jeden bajt</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Nieznana strona kodowa</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Brak znaku</translation>
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
        <translation>Szesnastkowo</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Oblicz</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Znak</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Cyfry szesnastkowe</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Kopiuj znak</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Kopiuj cyfry szesnastkowe</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Strona kodowa: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Strona kodowa: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Zamiana jednego znaku na jego dwie cyfry szesnastkowe i z powrotem</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>ekranu X11 (zmienna DISPLAY nie jest ustawiona)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>ekranu X11 „%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>ekranu Wayland „%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>ekranu przez platformę „%1”</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ani %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>ekranu</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: nie można otworzyć %1; okna nie można wyświetlić.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: brak ekranu, na którym można otworzyć okno (DISPLAY i WAYLAND_DISPLAY nie są ustawione)</translation>
    </message>
</context>
</TS>
