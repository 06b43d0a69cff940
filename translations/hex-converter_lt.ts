<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="lt">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (tajų)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (japonų)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (supaprastinta kinų)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (korėjiečių)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (tradicinė kinų)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Vidurio Europos)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (kirilica)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Vakarų Europos)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (graikų)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (turkų)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (hebrajų)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (arabų)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltijos)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (vietnamiečių)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: parinkčiai „%1“ reikia reikšmės; žr. „hex-converter --help“.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: nežinoma parinktis „%1“; žr. „hex-converter --help“.</translation>
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
        <translation>Naudojimas: hex-converter [--help | --version] [--code-page N] [Qt parinktys]
Paverčia vieną simbolį dviem šešioliktainiais skaitmenimis ir atvirkščiai,
mažame lange, kodų lentelėje %1.

  -h, --help          parodyti šį tekstą ir baigti darbą
  -v, --version       parodyti versiją ir baigti darbą
      --code-page N   konvertuoti pagal kitą Windows kodų lentelę: N yra 874,
                      932, 936, 949, 950 arba nuo 1250 iki 1258

Programa kitų savo parinkčių neturi. Galioja standartinės visų Qt programų
parinktys, tarp jų:
  -platform VARDAS    naudotina langų sistema, pvz., xcb arba wayland
  -display DISPLAY    X11 ekranas, kuriame atverti langą
  -style VARDAS       valdiklių stilius, pvz., Fusion
  -stylesheet FAILAS  stilių aprašas, pagal kurį piešiamas langas
  -reverse            išdėstyti iš dešinės į kairę
Argumentų, kurie nėra parinktys, nepaisoma.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Netikėta klaida</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Įvyko netikėta klaida; konvertavimas nebaigtas.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Simbolio, kurio kodas %1, nėra: kodai yra nuo 0 iki 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Bitų eilutėje gali būti tik skaitmenys 0 ir 1, bet ne %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 nėra baito reikšmė: baitas yra sveikasis skaičius nuo 0 iki 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Bitų eilutėje gali būti daugiausia 8 simboliai, o ne %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Dviem šešioliktainiams skaitmenims reikia lygiai 8 simbolių bitų eilutės, o ne %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Tuščio teksto negalima perskaityti kaip skaičiaus.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>Teksto %1 negalima perskaityti kaip skaičiaus: skaičius rašomas skaitmenimis 0–9, galima pridėti ženklą ir tašką.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Nėra šešioliktainio skaitmens, kurį būtų galima konvertuoti. Įveskite vieną arba du šešioliktainius skaitmenis: 0–9 ir A–F (didžiosiomis arba mažosiomis raidėmis).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 nėra šešioliktainis skaitmuo. Įveskite vieną arba du šešioliktainius skaitmenis: 0–9 ir A–F (didžiosiomis arba mažosiomis raidėmis).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Klaida</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipų neatitikimas</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Už leistinų ribų</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Netinkama bitų eilutė</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Nėra kodų lentelėje</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Mainų sritį naudoja kita programa, todėl niekas nenukopijuota. Po akimirkos dar kartą paspauskite „Kopijuoti“.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Mainų sritis nepriėmė teksto, todėl niekas nenukopijuota. Dar kartą paspauskite „Kopijuoti“.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Mainų sritis nepasiekiama</translation>
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
        <translation>Nėra simbolio, kurį būtų galima konvertuoti. Įveskite kodų lentelės %1 simbolį: ASCII arba raidę ar ženklą, pvz., %2 ar %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Simbolio %1 nėra kodų lentelėje %2. Įveskite tos kodų lentelės simbolį: ASCII arba raidę ar ženklą, pvz., %3 ar %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Simbolis %1 nėra vienas kodų lentelės %2 simbolis. Įveskite tos kodų lentelės simbolį: ASCII arba raidę ar ženklą, pvz., %3 ar %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Simbolis %1 kodų lentelėje %2 užima daugiau nei vieną baitą: %3. Įveskite vieno baito simbolį: ASCII arba raidę ar ženklą, pvz., %4 ar %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Baitas %1 kodų lentelėje %2 tik pradeda dviejų baitų simbolį: vienas jis nereiškia jokio simbolio.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Baitas %1 kodų lentelėje %2 nereiškia jokio simbolio.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Kodų lentelės „%1“ nėra: pasirinkite vieną iš %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Ne vienas baitas</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Nežinoma kodų lentelė</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Nėra simbolio</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>Gerai</translation>
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
        <translation>Šešioliktainis</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Skaičiuoti</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopijuoti</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Simbolis</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Šešioliktainiai skaitmenys</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Kopijuoti simbolį</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Kopijuoti šešioliktainius skaitmenis</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Kodų lentelė: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Kodų lentelė: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Paverčia vieną simbolį dviem šešioliktainiais skaitmenimis ir atvirkščiai</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>X11 ekrano (kintamasis DISPLAY nenustatytas)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>X11 ekrano „%1“</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>Wayland ekrano „%1“</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>ekrano per platformą „%1“</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 nei %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>ekrano</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: nepavyko atverti %1; lango parodyti negalima.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: nėra ekrano, kuriame būtų galima atverti langą (kintamieji DISPLAY ir WAYLAND_DISPLAY nenustatyti)</translation>
    </message>
</context>
</TS>
