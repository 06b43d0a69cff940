<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (тайская)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (японская)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (упрощённая китайская)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (корейская)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (традиционная китайская)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (центральноевропейская)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (кириллица)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (западноевропейская)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (греческая)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (турецкая)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (иврит)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (арабская)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (балтийская)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (вьетнамская)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: параметру «%1» нужно значение; см. «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: неизвестный параметр «%1»; см. «hex-converter --help».</translation>
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
        <translation>Использование: hex-converter [--help | --version] [--code-page N] [параметры Qt]
Преобразует один символ в две шестнадцатеричные цифры и обратно в небольшом
окне, в кодовой странице %1.

  -h, --help          показать этот текст и выйти
  -v, --version       показать версию и выйти
      --code-page N   преобразовывать в другой кодовой странице Windows: N —
                      874, 932, 936, 949, 950 или от 1250 до 1258

Других собственных параметров у программы нет. Действуют стандартные параметры
любой программы на Qt, в том числе:
  -platform ИМЯ       оконная система, например xcb или wayland
  -display ДИСПЛЕЙ    дисплей X11, на котором открыть окно
  -style ИМЯ          стиль виджетов, например Fusion
  -stylesheet ФАЙЛ    таблица стилей для отрисовки окна
  -reverse            располагать справа налево
Аргументы, не являющиеся параметрами, игнорируются.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Непредвиденная ошибка</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Произошло что-то непредвиденное; преобразование не завершено.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Символа с кодом %1 нет: коды бывают от 0 до 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Битовая строка состоит только из цифр 0 и 1, а не %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 — не значение байта: байт — это целое число от 0 до 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>В битовой строке не больше 8 символов, а не %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Для двух шестнадцатеричных цифр нужна битовая строка ровно из 8 символов, а не из %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Пустой текст не читается как число.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 не читается как число: число записывается цифрами 0-9, с необязательным знаком и необязательной точкой.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Нет шестнадцатеричной цифры для преобразования. Введите одну или две шестнадцатеричные цифры: 0-9 и A-F (в любом регистре).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 — не шестнадцатеричная цифра. Введите одну или две шестнадцатеричные цифры: 0-9 и A-F (в любом регистре).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Несоответствие типа</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Вне диапазона</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Недопустимая битовая строка</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Нет в кодовой странице</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Буфер обмена занят другой программой, поэтому ничего не скопировано. Чуть позже нажмите «Копировать» ещё раз.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Буфер обмена не принял текст, поэтому ничего не скопировано. Нажмите «Копировать» ещё раз.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Буфер обмена недоступен</translation>
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
        <translation>Нет символа для преобразования. Введите символ кодовой страницы %1: ASCII или букву либо знак, например %2 или %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Символа %1 нет в кодовой странице %2. Введите символ этой кодовой страницы: ASCII или букву либо знак, например %3 или %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Символ %1 не является одним символом кодовой страницы %2. Введите символ этой кодовой страницы: ASCII или букву либо знак, например %3 или %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Символ %1 занимает больше одного байта в кодовой странице %2: %3. Введите однобайтовый символ: ASCII или букву либо знак, например %4 или %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Байт %1 в кодовой странице %2 лишь начинает двухбайтовый символ: сам по себе он не обозначает никакого символа.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Байт %1 не обозначает никакого символа в кодовой странице %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Кодовой страницы «%1» нет: выберите одну из %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Не один байт</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Неизвестная кодовая страница</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Нет символа</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
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
        <translation>16-ричное</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Вычислить</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>В буфер</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Символ</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Копировать символ</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Копировать шестнадцатеричные цифры</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Кодовая страница: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Кодовая страница: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Преобразовать один символ в две шестнадцатеричные цифры и обратно</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>дисплей X11 (переменная DISPLAY не задана)</translation>
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
        <translation>дисплей через платформу «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 или %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>дисплей</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: не удаётся открыть %1; окно не может быть показано.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: нет дисплея, на котором можно открыть окно (DISPLAY и WAYLAND_DISPLAY не заданы)</translation>
    </message>
</context>
</TS>
