<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (التايلاندية)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (اليابانية)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (الصينية المبسطة)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (الكورية)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (الصينية التقليدية)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (أوروبا الوسطى)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (السيريلية)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (أوروبا الغربية)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (اليونانية)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (التركية)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (العبرية)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (العربية)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (البلطيقية)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (الفيتنامية)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: يتطلب الخيار «%1» قيمة؛ راجع «hex-converter --help».</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: خيار غير معروف «%1»؛ راجع «hex-converter --help».</translation>
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
        <translation>الاستخدام: hex-converter [--help | --version] [--code-page N] [خيارات Qt]
يحوّل حرفًا واحدًا إلى رقميه الست عشريين وبالعكس، في نافذة صغيرة، بصفحة
الترميز %1.

  -h, --help          عرض هذا النص والخروج
  -v, --version       عرض الإصدار والخروج
      --code-page N   التحويل بصفحة ترميز أخرى من صفحات Windows: قيمة N هي 874
                      أو 932 أو 936 أو 949 أو 950 أو من 1250 إلى 1258

ليس للبرنامج خيارات أخرى خاصة به. وتنطبق الخيارات القياسية لكل برنامج Qt،
ومنها:
  -platform NAME      نظام النوافذ المراد استخدامه، مثل xcb أو wayland
  -display DISPLAY    شاشة X11 التي تُفتح عليها النافذة
  -style NAME         نمط عناصر الواجهة، مثل Fusion
  -stylesheet FILE    ورقة أنماط تُرسم بها النافذة
  -reverse            التخطيط من اليمين إلى اليسار
يتم تجاهل الوسيطات التي ليست خيارات.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>خطأ غير متوقع</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>حدث خطأ غير متوقع؛ لم يكتمل التحويل.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>لا يوجد حرف بالرمز %1: تتراوح الرموز من 0 إلى 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>لا تحتوي سلسلة البت إلا على الرقمين 0 و 1، وليس على %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>العدد %1 ليس قيمة بايت: البايت عدد صحيح من 0 إلى 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>تتكون سلسلة البت من 8 أحرف على الأكثر، وليس من %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>يتطلب الرقمان الست عشريان سلسلة بت من 8 أحرف بالضبط، وليس من %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>لا يمكن قراءة النص الفارغ على أنه عدد.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>لا يمكن قراءة %1 على أنه عدد: يُكتب العدد بالأرقام 0-9 مع إشارة اختيارية ونقطة عشرية اختيارية.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>لا يوجد رقم ست عشري لتحويله. اكتب رقمًا ست عشريًا واحدًا أو رقمين: 0-9 و A-F (بأحرف كبيرة أو صغيرة).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>لا يُعد %1 رقمًا ست عشريًا. اكتب رقمًا ست عشريًا واحدًا أو رقمين: 0-9 و A-F (بأحرف كبيرة أو صغيرة).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>خطأ</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>عدم تطابق النوع</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>خارج النطاق</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>سلسلة بت غير صالحة</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>غير موجود في صفحة الترميز</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>يستخدم برنامج آخر الحافظة، لذا لم يُنسخ أي شيء. اضغط «نسخ» مرة أخرى بعد قليل.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>لم تقبل الحافظة النص، لذا لم يُنسخ أي شيء. اضغط «نسخ» مرة أخرى.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>الحافظة غير متاحة</translation>
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
        <translation>لا يوجد حرف لتحويله. اكتب حرفًا من صفحة الترميز %1: من ASCII، أو حرفًا هجائيًا أو علامة مثل %2 أو %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>الحرف %1 غير موجود في صفحة الترميز %2. اكتب حرفًا من صفحة الترميز هذه: من ASCII، أو حرفًا هجائيًا أو علامة مثل %3 أو %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>الحرف %1 ليس حرفًا واحدًا من صفحة الترميز %2. اكتب حرفًا من صفحة الترميز هذه: من ASCII، أو حرفًا هجائيًا أو علامة مثل %3 أو %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>يشغل الحرف %1 أكثر من بايت واحد في صفحة الترميز %2: %3. اكتب حرفًا من بايت واحد: من ASCII، أو حرفًا هجائيًا أو علامة مثل %4 أو %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>البايت %1 ليس إلا بداية حرف من بايتين في صفحة الترميز %2: ولا يمثل وحده أي حرف.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>لا يمثل البايت %1 أي حرف في صفحة الترميز %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>لا توجد صفحة الترميز «%1»: اختر إحدى صفحات الترميز %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>ليس بايتًا واحدًا</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>صفحة ترميز غير معروفة</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>لا يوجد حرف</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>موافق</translation>
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
        <translation>ست عشري</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>حساب</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>نسخ</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>حرف</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>أرقام ست عشرية</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>نسخ الحرف</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>نسخ الأرقام الست عشرية</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>صفحة الترميز: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
صفحة الترميز: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>تحويل حرف واحد إلى رقميه الست عشريين وبالعكس</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>شاشة X11 (المتغير DISPLAY غير معيّن)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>شاشة X11 «%1»</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>شاشة Wayland «%1»</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>شاشة عبر المنصة «%1»</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 ولا %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>شاشة عرض</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: تعذّر فتح %1؛ لا يمكن عرض النافذة.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: لا توجد شاشة عرض لفتح النافذة عليها (المتغيران DISPLAY و WAYLAND_DISPLAY غير معيّنين)</translation>
    </message>
</context>
</TS>
