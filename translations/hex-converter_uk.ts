<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (тайська)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (японська)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (спрощена китайська)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (корейська)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (традиційна китайська)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (центральноєвропейська)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (кирилиця)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (західноєвропейська)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (грецька)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (турецька)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (іврит)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (арабська)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (балтійська)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (в’єтнамська)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: параметр «%1» потребує значення; див. «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: невідомий параметр «%1»; див. «hex-converter --help».</translation>
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
        <translation>Використання: hex-converter [--help | --version] [--code-page N] [параметри Qt]
Перетворює один символ на дві його шістнадцяткові цифри і навпаки, у невеликому
вікні, у кодовій сторінці %1.

  -h, --help          показати цей текст і вийти
  -v, --version       показати версію і вийти
      --code-page N   перетворювати в іншій кодовій сторінці Windows: N — 874,
                      932, 936, 949, 950 або від 1250 до 1258

Програма не має інших власних параметрів. Діють стандартні параметри кожної
програми Qt, серед них:
  -platform НАЗВА     віконна система, наприклад xcb або wayland
  -display ДИСПЛЕЙ    дисплей X11, на якому відкрити вікно
  -style НАЗВА        стиль віджетів, наприклад Fusion
  -stylesheet ФАЙЛ    таблиця стилів для оформлення вікна
  -reverse            розташовувати елементи справа наліво
Аргументи, що не є параметрами, ігноруються.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Неочікувана помилка</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Сталася неочікувана помилка; перетворення не завершено.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Символу з кодом %1 не існує: коди бувають від 0 до 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Бітовий рядок містить лише цифри 0 і 1, а не %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 не є значенням байта: байт — це ціле число від 0 до 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Бітовий рядок має щонайбільше 8 символів, а не %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Для двох шістнадцяткових цифр потрібен бітовий рядок рівно з 8 символів, а не з %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Порожній текст не можна прочитати як число.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 не читається як число: число записують цифрами 0-9, з необов’язковим знаком і необов’язковою крапкою.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Немає шістнадцяткової цифри для перетворення. Введіть одну або дві шістнадцяткові цифри: 0-9 і A-F (великі чи малі).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 не є шістнадцятковою цифрою. Введіть одну або дві шістнадцяткові цифри: 0-9 і A-F (великі чи малі).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Помилка</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Невідповідність типів</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Поза діапазоном</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Неправильний бітовий рядок</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Немає в кодовій сторінці</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Буфер обміну використовує інша програма, тому нічого не скопійовано. За мить знову натисніть «Копіювати».</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Буфер обміну не прийняв текст, тому нічого не скопійовано. Знову натисніть «Копіювати».</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Буфер обміну недоступний</translation>
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
        <translation>Немає символу для перетворення. Введіть символ кодової сторінки %1: ASCII або літеру чи знак, як-от %2 або %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Символу %1 немає в кодовій сторінці %2. Введіть символ цієї кодової сторінки: ASCII або літеру чи знак, як-от %3 або %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Символ %1 не є одним символом кодової сторінки %2. Введіть символ цієї кодової сторінки: ASCII або літеру чи знак, як-от %3 або %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Символ %1 займає в кодовій сторінці %2 більше одного байта: %3. Введіть однобайтовий символ: ASCII або літеру чи знак, як-от %4 або %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Байт %1 у кодовій сторінці %2 лише починає двобайтовий символ: сам по собі він не означає жодного символу.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Байт %1 не означає жодного символу в кодовій сторінці %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Кодової сторінки «%1» не існує: виберіть одну з таких: %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Більше одного байта</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Невідома кодова сторінка</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Немає символу</translation>
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
        <translation>16-ковий</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Обчислити</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копіювати</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Шістнадцяткові цифри</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Копіювати символ</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Копіювати шістнадцяткові цифри</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Кодова сторінка: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Кодова сторінка: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Перетворює один символ на дві його шістнадцяткові цифри і навпаки</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>дисплей X11 (змінну DISPLAY не задано)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>дисплей X11 «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>дисплей Wayland «%1»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>дисплей за допомогою платформи «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ані %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>дисплей</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: не вдається відкрити %1; вікно неможливо показати.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: немає дисплея, на якому можна відкрити вікно (змінні DISPLAY і WAYLAND_DISPLAY не задано)</translation>
    </message>
</context>
</TS>
