<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (Thailandese)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (Giapponese)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (Cinese semplificato)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (Coreano)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (Cinese tradizionale)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Europa centrale)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Cirillico)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europa occidentale)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (Greco)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (Turco)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (Ebraico)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (Arabo)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltico)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (Vietnamita)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: l’opzione «%1» richiede un valore; vedere «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: opzione sconosciuta «%1»; vedere «hex-converter --help».</translation>
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
        <translation>Uso: hex-converter [--help | --version] [--code-page N] [opzioni di Qt]
Converte un carattere nelle sue due cifre esadecimali e viceversa, in una
piccola finestra, nella tabella codici %1.

  -h, --help          mostra questo testo ed esce
  -v, --version       mostra la versione ed esce
      --code-page N   converte in un’altra tabella codici di Windows: N è 874,
                      932, 936, 949, 950 o da 1250 a 1258

Il programma non ha altre opzioni proprie. Valgono le opzioni standard di ogni
programma Qt, tra cui:
  -platform NOME      il sistema a finestre da usare, come xcb o wayland
  -display DISPLAY    il display X11 su cui aprire la finestra
  -style NOME         lo stile dei widget, come Fusion
  -stylesheet FILE    un foglio di stile con cui disegnare la finestra
  -reverse            disposizione da destra a sinistra
Gli argomenti che non sono opzioni vengono ignorati.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Errore imprevisto</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Si è verificato un problema imprevisto; la conversione non è stata completata.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Non esiste alcun carattere con il codice %1: i codici vanno da 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Una stringa di bit contiene solo le cifre 0 e 1, non %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 non è un valore di byte: un byte è un numero intero da 0 a 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Una stringa di bit ha al massimo 8 caratteri, non %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Due cifre esadecimali richiedono una stringa di bit di esattamente 8 caratteri, non %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Un testo vuoto non si può leggere come numero.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 non si può leggere come numero: un numero si scrive con le cifre 0-9, un segno facoltativo e un punto facoltativo.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Non c’è alcuna cifra esadecimale da convertire. Digitare una o due cifre esadecimali: 0-9 e A-F (maiuscole o minuscole).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 non è una cifra esadecimale. Digitare una o due cifre esadecimali: 0-9 e A-F (maiuscole o minuscole).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Tipo non corrispondente</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Fuori intervallo</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Stringa di bit non valida</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Non presente nella tabella codici</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Un altro programma sta usando gli appunti, quindi non è stato copiato nulla. Premere di nuovo Copia tra qualche istante.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Gli appunti non hanno accettato il testo, quindi non è stato copiato nulla. Premere di nuovo Copia.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Appunti non disponibili</translation>
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
        <translation>Non c’è alcun carattere da convertire. Digitare un carattere della tabella codici %1: ASCII, oppure una lettera o un segno come %2 o %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Il carattere %1 non è presente nella tabella codici %2. Digitare un carattere di quella tabella codici: ASCII, oppure una lettera o un segno come %3 o %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Il carattere %1 non è un singolo carattere della tabella codici %2. Digitare un carattere di quella tabella codici: ASCII, oppure una lettera o un segno come %3 o %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Il carattere %1 occupa più di un byte nella tabella codici %2: %3. Digitare un carattere di un solo byte: ASCII, oppure una lettera o un segno come %4 o %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Il byte %1 è solo l’inizio di un carattere di due byte nella tabella codici %2: da solo non rappresenta alcun carattere.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Il byte %1 non rappresenta alcun carattere nella tabella codici %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Non esiste la tabella codici «%1»: sceglierne una tra %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Non è un singolo byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Tabella codici sconosciuta</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Nessun carattere</translation>
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
        <translation>Esadecimale</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Carattere</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Cifre esadecimali</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Copia il carattere</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Copia le cifre esadecimali</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Tabella codici: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Tabella codici: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Convertire un carattere nelle sue due cifre esadecimali e viceversa</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>un display X11 (la variabile DISPLAY non è impostata)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>il display X11 «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>il display Wayland «%1»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>un display tramite la piattaforma «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 né %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>un display</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: impossibile aprire %1; impossibile mostrare la finestra.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: nessun display su cui aprire la finestra (le variabili DISPLAY e WAYLAND_DISPLAY non sono impostate)</translation>
    </message>
</context>
</TS>
