<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (Thai)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (Japanisch)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (Chinesisch, vereinfacht)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (Koreanisch)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (Chinesisch, traditionell)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Mitteleuropäisch)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Kyrillisch)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Westeuropäisch)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (Griechisch)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (Türkisch)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (Hebräisch)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (Arabisch)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltisch)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (Vietnamesisch)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: die Option „%1“ braucht einen Wert; siehe „hex-converter --help“.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: unbekannte Option „%1“; siehe „hex-converter --help“.</translation>
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
        <translation>Aufruf: hex-converter [--help | --version] [--code-page N] [Qt-Optionen]
Rechnet ein Zeichen in seine zwei Hexziffern um und zurück, in einem kleinen
Fenster, in der Codepage %1.

  -h, --help          diesen Text zeigen und beenden
  -v, --version       die Version zeigen und beenden
      --code-page N   in einer anderen Codepage von Windows umrechnen: N ist 874,
                      932, 936, 949, 950 oder 1250 bis 1258

Weitere eigene Optionen hat das Programm nicht. Es gelten die üblichen Optionen
jedes Qt-Programms, darunter:
  -platform NAME      das zu verwendende Fenstersystem, etwa xcb oder wayland
  -display DISPLAY    die X11-Anzeige, auf der sich das Fenster öffnet
  -style NAME         der Widget-Stil, etwa Fusion
  -stylesheet FILE    ein Stylesheet, mit dem das Fenster gezeichnet wird
  -reverse            von rechts nach links anordnen
Argumente, die keine Optionen sind, werden ignoriert.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Unerwarteter Fehler</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Etwas Unerwartetes ist schiefgegangen; die Umrechnung wurde nicht abgeschlossen.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Es gibt kein Zeichen mit dem Code %1: Die Codes reichen von 0 bis 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Eine Bitfolge enthält nur die Ziffern 0 und 1, nicht %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 ist kein Bytewert: Ein Byte ist eine ganze Zahl von 0 bis 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Eine Bitfolge hat höchstens 8 Zeichen, nicht %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Zwei Hexziffern brauchen eine Bitfolge von genau 8 Zeichen, nicht %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Ein leerer Text lässt sich nicht als Zahl lesen.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 lässt sich nicht als Zahl lesen: Eine Zahl besteht aus den Ziffern 0-9, einem optionalen Vorzeichen und einem optionalen Punkt.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Es gibt keine Hexziffer zum Umrechnen. Geben Sie eine oder zwei Hexziffern ein: 0-9 und A-F (groß oder klein).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 ist keine Hexziffer. Geben Sie eine oder zwei Hexziffern ein: 0-9 und A-F (groß oder klein).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Typen unverträglich</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Außerhalb des Bereichs</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Ungültige Bitfolge</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Nicht in der Codepage</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Ein anderes Programm verwendet gerade die Zwischenablage, daher wurde nichts kopiert. Drücken Sie gleich noch einmal auf Kopieren.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Die Zwischenablage hat den Text nicht angenommen, daher wurde nichts kopiert. Drücken Sie noch einmal auf Kopieren.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Zwischenablage nicht verfügbar</translation>
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
        <translation>Es gibt kein Zeichen zum Umrechnen. Geben Sie ein Zeichen der Codepage %1 ein: ASCII oder einen Buchstaben oder ein Zeichen wie %2 oder %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Das Zeichen %1 ist nicht in der Codepage %2 enthalten. Geben Sie ein Zeichen dieser Codepage ein: ASCII oder einen Buchstaben oder ein Zeichen wie %3 oder %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Das Zeichen %1 ist kein einzelnes Zeichen der Codepage %2. Geben Sie ein Zeichen dieser Codepage ein: ASCII oder einen Buchstaben oder ein Zeichen wie %3 oder %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Das Zeichen %1 belegt in der Codepage %2 mehr als ein Byte: %3. Geben Sie ein Zeichen aus einem Byte ein: ASCII oder einen Buchstaben oder ein Zeichen wie %4 oder %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Das Byte %1 beginnt in der Codepage %2 nur ein Zeichen aus zwei Bytes: Allein steht es für kein Zeichen.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Das Byte %1 steht in der Codepage %2 für kein Zeichen.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Es gibt keine Codepage „%1“: Wählen Sie eine von %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Kein einzelnes Byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Unbekannte Codepage</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Kein Zeichen</translation>
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
        <translation>Hexadezimal</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Zeichen</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Hexziffern</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Zeichen kopieren</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Hexziffern kopieren</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Codepage: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Codepage: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Ein Zeichen in seine zwei Hexziffern umrechnen und zurück</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>eine X11-Anzeige (DISPLAY ist nicht gesetzt)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>die X11-Anzeige „%1“</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>die Wayland-Anzeige „%1“</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>eine Anzeige über die Plattform „%1“</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>eine Anzeige</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: kann %1 nicht öffnen; das Fenster kann nicht angezeigt werden.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: keine Anzeige, auf der sich das Fenster öffnen ließe (DISPLAY und WAYLAND_DISPLAY sind nicht gesetzt)</translation>
    </message>
</context>
</TS>
