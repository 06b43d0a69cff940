<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (תאית)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (יפנית)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (סינית פשוטה)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (קוריאנית)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (סינית מסורתית)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (מרכז אירופה)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (קירילית)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (מערב אירופה)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (יוונית)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (טורקית)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (עברית)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (ערבית)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (בלטית)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (וייטנאמית)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: האפשרות “%1” דורשת ערך; ראו “hex-converter --help”.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: אפשרות לא ידועה “%1”; ראו “hex-converter --help”.</translation>
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
        <translation>שימוש: hex-converter [--help | --version] [--code-page N] [אפשרויות Qt]
ממיר תו אחד לשתי הספרות ההקסדצימליות שלו ובחזרה, בחלון קטן,
בדף הקוד %1.

  -h, --help          הצגת טקסט זה ויציאה
  -v, --version       הצגת הגרסה ויציאה
      --code-page N   המרה בדף קוד אחר של Windows: N הוא 874, 932, 936, 949,
                      950 או 1250 עד 1258

לתוכנית אין אפשרויות נוספות משלה. חלות האפשרויות הסטנדרטיות של כל תוכנית
Qt, ביניהן:
  -platform NAME      מערכת החלונות שבה יש להשתמש, כגון xcb או wayland
  -display DISPLAY    תצוגת ה-X11 שבה ייפתח החלון
  -style NAME         סגנון הפקדים, כגון Fusion
  -stylesheet FILE    גיליון סגנונות שלפיו יצויר החלון
  -reverse            פריסה מימין לשמאל
התוכנית מתעלמת מארגומנטים שאינם אפשרויות.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>שגיאה בלתי צפויה</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>משהו השתבש באופן בלתי צפוי; ההמרה לא הושלמה.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>אין תו שהקוד שלו הוא %1: הקודים הם מ-0 עד 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>מחרוזת סיביות מכילה רק את הספרות 0 ו-1, לא %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>הערך %1 אינו ערך של בית: בית הוא מספר שלם מ-0 עד 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>מחרוזת סיביות מכילה 8 תווים לכל היותר, לא %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>שתי ספרות הקסדצימליות דורשות מחרוזת סיביות של 8 תווים בדיוק, לא %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>לא ניתן לקרוא טקסט ריק כמספר.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>לא ניתן לקרוא את %1 כמספר: מספר נכתב בספרות 0-9, עם סימן ונקודה אופציונליים.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>אין ספרה הקסדצימלית להמרה. יש להקליד ספרה הקסדצימלית אחת או שתיים: הספרות 0-9 והאותיות A-F (גדולות או קטנות).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>התו %1 אינו ספרה הקסדצימלית. יש להקליד ספרה הקסדצימלית אחת או שתיים: הספרות 0-9 והאותיות A-F (גדולות או קטנות).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>שגיאה</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>אי-התאמה בסוג</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>מחוץ לטווח</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>מחרוזת סיביות לא חוקית</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>לא קיים בדף הקוד</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>תוכנית אחרת משתמשת בלוח, ולכן דבר לא הועתק. יש ללחוץ שוב על “העתק” בעוד רגע.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>הלוח לא קיבל את הטקסט, ולכן דבר לא הועתק. יש ללחוץ שוב על “העתק”.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>הלוח אינו זמין</translation>
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
        <translation>אין תו להמרה. יש להקליד תו מדף הקוד %1: תו ASCII או אות או סימן כגון %2 או %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>התו %1 אינו קיים בדף הקוד %2. יש להקליד תו מדף קוד זה: תו ASCII או אות או סימן כגון %3 או %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>התו %1 אינו תו יחיד בדף הקוד %2. יש להקליד תו מדף קוד זה: תו ASCII או אות או סימן כגון %3 או %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>התו %1 תופס יותר מבית אחד בדף הקוד %2: %3. יש להקליד תו של בית אחד: תו ASCII או אות או סימן כגון %4 או %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>הבית %1 רק פותח תו של שני בתים בדף הקוד %2: לבדו הוא אינו מייצג שום תו.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>הבית %1 אינו מייצג שום תו בדף הקוד %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>אין דף קוד “%1”: יש לבחור אחד מתוך %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>לא בית יחיד</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>דף קוד לא ידוע</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>אין תו</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>אישור</translation>
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
        <translation>הקסדצימלי</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>חשב</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתק</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>תו</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>ספרות הקסדצימליות</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>העתק את התו</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>העתק את הספרות ההקסדצימליות</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>דף קוד: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
דף קוד: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>המרת תו אחד לשתי הספרות ההקסדצימליות שלו ובחזרה</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>תצוגת X11 (המשתנה DISPLAY אינו מוגדר)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>את תצוגת ה-X11 “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>את תצוגת ה-Wayland “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>תצוגה דרך הפלטפורמה “%1”</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 וגם לא %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>תצוגה</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: לא ניתן לפתוח %1; לא ניתן להציג את החלון.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: אין תצוגה שבה ניתן לפתוח את החלון (המשתנים DISPLAY ו-WAYLAND_DISPLAY אינם מוגדרים)</translation>
    </message>
</context>
</TS>
