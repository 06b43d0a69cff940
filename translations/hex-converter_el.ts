<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="el">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (Ταϊλανδικά)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (Ιαπωνικά)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (Απλοποιημένα κινεζικά)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (Κορεατικά)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (Παραδοσιακά κινεζικά)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Κεντρικής Ευρώπης)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Κυριλλικά)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Δυτικής Ευρώπης)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (Ελληνικά)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (Τουρκικά)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (Εβραϊκά)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (Αραβικά)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Βαλτικής)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (Βιετναμικά)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: η επιλογή «%1» απαιτεί τιμή· δείτε «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: άγνωστη επιλογή «%1»· δείτε «hex-converter --help».</translation>
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
        <translation>Χρήση: hex-converter [--help | --version] [--code-page N] [επιλογές Qt]
Μετατρέπει έναν χαρακτήρα στα δύο δεκαεξαδικά ψηφία του και αντίστροφα, σε ένα
μικρό παράθυρο, στην κωδικοσελίδα %1.

  -h, --help          εμφανίζει αυτό το κείμενο και τερματίζει
  -v, --version       εμφανίζει την έκδοση και τερματίζει
      --code-page N   μετατρέπει σε άλλη κωδικοσελίδα των Windows: το N είναι
                      874, 932, 936, 949, 950 ή από 1250 έως 1258

Το πρόγραμμα δεν έχει άλλες δικές του επιλογές. Ισχύουν οι τυπικές επιλογές
κάθε προγράμματος Qt, μεταξύ των οποίων:
  -platform ΟΝΟΜΑ     το σύστημα παραθύρων προς χρήση, όπως xcb ή wayland
  -display DISPLAY    η οθόνη X11 στην οποία θα ανοίξει το παράθυρο
  -style ΟΝΟΜΑ        το στυλ των γραφικών στοιχείων, όπως Fusion
  -stylesheet ΑΡΧΕΙΟ  ένα φύλλο στυλ με το οποίο θα σχεδιαστεί το παράθυρο
  -reverse            διάταξη από τα δεξιά προς τα αριστερά
Τα ορίσματα που δεν είναι επιλογές αγνοούνται.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Απροσδόκητο σφάλμα</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Προέκυψε κάποιο απροσδόκητο πρόβλημα· η μετατροπή δεν ολοκληρώθηκε.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Δεν υπάρχει χαρακτήρας με κωδικό %1: οι κωδικοί είναι από 0 έως 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Μια συμβολοσειρά bit περιέχει μόνο τα ψηφία 0 και 1, όχι %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>Το %1 δεν είναι τιμή byte: ένα byte είναι ακέραιος αριθμός από 0 έως 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Μια συμβολοσειρά bit έχει το πολύ 8 χαρακτήρες, όχι %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Δύο δεκαεξαδικά ψηφία απαιτούν συμβολοσειρά bit με ακριβώς 8 χαρακτήρες, όχι %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Ένα κενό κείμενο δεν αναγνωρίζεται ως αριθμός.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>Το %1 δεν αναγνωρίζεται ως αριθμός: ένας αριθμός γράφεται με τα ψηφία 0-9, προαιρετικά με πρόσημο και προαιρετικά με τελεία.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Δεν υπάρχει δεκαεξαδικό ψηφίο για μετατροπή. Πληκτρολογήστε ένα ή δύο δεκαεξαδικά ψηφία: 0-9 και A-F (κεφαλαία ή πεζά).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Το %1 δεν είναι δεκαεξαδικό ψηφίο. Πληκτρολογήστε ένα ή δύο δεκαεξαδικά ψηφία: 0-9 και A-F (κεφαλαία ή πεζά).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Σφάλμα</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Ασυμφωνία τύπων</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Εκτός ορίων</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Μη έγκυρη συμβολοσειρά bit</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Εκτός κωδικοσελίδας</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Ένα άλλο πρόγραμμα χρησιμοποιεί το Πρόχειρο, οπότε δεν αντιγράφηκε τίποτα. Πατήστε ξανά «Αντιγραφή» σε λίγο.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Το Πρόχειρο δεν δέχτηκε το κείμενο, οπότε δεν αντιγράφηκε τίποτα. Πατήστε ξανά «Αντιγραφή».</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Το Πρόχειρο δεν είναι διαθέσιμο</translation>
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
        <translation>Δεν υπάρχει χαρακτήρας για μετατροπή. Πληκτρολογήστε έναν χαρακτήρα της κωδικοσελίδας %1: ASCII ή ένα γράμμα ή σύμβολο όπως %2 ή %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Ο χαρακτήρας %1 δεν υπάρχει στην κωδικοσελίδα %2. Πληκτρολογήστε έναν χαρακτήρα αυτής της κωδικοσελίδας: ASCII ή ένα γράμμα ή σύμβολο όπως %3 ή %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Ο χαρακτήρας %1 δεν είναι ένας μεμονωμένος χαρακτήρας της κωδικοσελίδας %2. Πληκτρολογήστε έναν χαρακτήρα αυτής της κωδικοσελίδας: ASCII ή ένα γράμμα ή σύμβολο όπως %3 ή %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Ο χαρακτήρας %1 καταλαμβάνει περισσότερα από ένα byte στην κωδικοσελίδα %2: %3. Πληκτρολογήστε έναν χαρακτήρα ενός byte: ASCII ή ένα γράμμα ή σύμβολο όπως %4 ή %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Το byte %1 είναι μόνο η αρχή ενός χαρακτήρα δύο byte στην κωδικοσελίδα %2: μόνο του δεν αντιστοιχεί σε κανέναν χαρακτήρα.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Το byte %1 δεν αντιστοιχεί σε κανέναν χαρακτήρα στην κωδικοσελίδα %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Δεν υπάρχει κωδικοσελίδα «%1»: επιλέξτε μία από τις %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Όχι ένα μόνο byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Άγνωστη κωδικοσελίδα</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Κανένας χαρακτήρας</translation>
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
        <translation>Δεκαεξαδικό</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Υπολογισμός</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Αντιγραφή</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Χαρακτήρας</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Δεκαεξαδικά ψηφία</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Αντιγραφή χαρακτήρα</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Αντιγραφή δεκαεξαδικών ψηφίων</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Κωδικοσελίδα: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Κωδικοσελίδα: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Μετατροπή ενός χαρακτήρα στα δύο δεκαεξαδικά ψηφία του και αντίστροφα</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>μια οθόνη X11 (η μεταβλητή DISPLAY δεν έχει οριστεί)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>την οθόνη X11 «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>την οθόνη Wayland «%1»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>μια οθόνη μέσω της πλατφόρμας «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ούτε %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>καμία οθόνη</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: δεν μπορεί να ανοίξει %1· το παράθυρο δεν μπορεί να εμφανιστεί.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: δεν υπάρχει οθόνη στην οποία να ανοίξει το παράθυρο (οι μεταβλητές DISPLAY και WAYLAND_DISPLAY δεν έχουν οριστεί)</translation>
    </message>
</context>
</TS>
