<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="th">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (ไทย)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (ญี่ปุ่น)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (จีนตัวย่อ)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (เกาหลี)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (จีนตัวเต็ม)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (ยุโรปกลาง)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (ซีริลลิก)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (ยุโรปตะวันตก)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (กรีก)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (ตุรกี)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (ฮีบรู)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (อาหรับ)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (บอลติก)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (เวียดนาม)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: ตัวเลือก “%1” ต้องระบุค่า โปรดดู “hex-converter --help”</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: ไม่รู้จักตัวเลือก “%1” โปรดดู “hex-converter --help”</translation>
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
        <translation>วิธีใช้: hex-converter [--help | --version] [--code-page N] [ตัวเลือกของ Qt]
แปลงอักขระหนึ่งตัวเป็นเลขฐานสิบหกสองหลักและแปลงกลับ ในหน้าต่างขนาดเล็ก
โดยใช้โค้ดเพจ %1

  -h, --help          แสดงข้อความนี้แล้วออก
  -v, --version       แสดงเวอร์ชันแล้วออก
      --code-page N   แปลงด้วยโค้ดเพจอื่นของ Windows: N คือ 874, 932, 936,
                      949, 950 หรือ 1250 ถึง 1258

โปรแกรมไม่มีตัวเลือกอื่นของตัวเอง ตัวเลือกมาตรฐานของโปรแกรม Qt ทุกโปรแกรม
ใช้ได้เช่นกัน ซึ่งรวมถึง:
  -platform NAME      ระบบหน้าต่างที่จะใช้ เช่น xcb หรือ wayland
  -display DISPLAY    จอแสดงผล X11 ที่จะเปิดหน้าต่าง
  -style NAME         รูปแบบของวิดเจ็ต เช่น Fusion
  -stylesheet FILE    สไตล์ชีตที่ใช้วาดหน้าต่าง
  -reverse            จัดวางจากขวาไปซ้าย
อาร์กิวเมนต์ที่ไม่ใช่ตัวเลือกจะถูกละเว้น
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>ข้อผิดพลาดที่ไม่คาดคิด</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>เกิดปัญหาที่ไม่คาดคิด การแปลงจึงไม่เสร็จสมบูรณ์</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>ไม่มีอักขระที่มีรหัส %1: รหัสมีค่าตั้งแต่ 0 ถึง 255</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>สตริงบิตมีได้เฉพาะเลข 0 และ 1 เท่านั้น ไม่ใช่ %1</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 ไม่ใช่ค่าไบต์: ไบต์คือจำนวนเต็มตั้งแต่ 0 ถึง 255</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>สตริงบิตมีได้ไม่เกิน 8 อักขระ ไม่ใช่ %1</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>เลขฐานสิบหกสองหลักต้องใช้สตริงบิตที่มี 8 อักขระพอดี ไม่ใช่ %1</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>ข้อความว่างอ่านเป็นตัวเลขไม่ได้</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>%1 อ่านเป็นตัวเลขไม่ได้: ตัวเลขเขียนด้วยเลข 0-9 และอาจมีเครื่องหมายบวกหรือลบกับจุดทศนิยมได้</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>ไม่มีเลขฐานสิบหกให้แปลง โปรดพิมพ์เลขฐานสิบหกหนึ่งหรือสองหลัก: 0-9 และ A-F (ตัวพิมพ์ใหญ่หรือเล็กก็ได้)</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 ไม่ใช่เลขฐานสิบหก โปรดพิมพ์เลขฐานสิบหกหนึ่งหรือสองหลัก: 0-9 และ A-F (ตัวพิมพ์ใหญ่หรือเล็กก็ได้)</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>ข้อผิดพลาด</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>ชนิดข้อมูลไม่ตรงกัน</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>อยู่นอกช่วง</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>สตริงบิตไม่ถูกต้อง</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>ไม่มีในโค้ดเพจ</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>โปรแกรมอื่นกำลังใช้คลิปบอร์ดอยู่ จึงไม่ได้คัดลอกสิ่งใด โปรดกด “คัดลอก” อีกครั้งในอีกสักครู่</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>คลิปบอร์ดไม่รับข้อความ จึงไม่ได้คัดลอกสิ่งใด โปรดกด “คัดลอก” อีกครั้ง</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>คลิปบอร์ดไม่พร้อมใช้งาน</translation>
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
        <translation>ไม่มีอักขระให้แปลง โปรดพิมพ์อักขระในโค้ดเพจ %1: ASCII หรือตัวอักษรหรือเครื่องหมาย เช่น %2 หรือ %3</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>อักขระ %1 ไม่มีในโค้ดเพจ %2 โปรดพิมพ์อักขระในโค้ดเพจนั้น: ASCII หรือตัวอักษรหรือเครื่องหมาย เช่น %3 หรือ %4</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>อักขระ %1 ไม่ใช่อักขระเดี่ยวในโค้ดเพจ %2 โปรดพิมพ์อักขระในโค้ดเพจนั้น: ASCII หรือตัวอักษรหรือเครื่องหมาย เช่น %3 หรือ %4</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>อักขระ %1 ใช้มากกว่าหนึ่งไบต์ในโค้ดเพจ %2: %3 โปรดพิมพ์อักขระที่มีขนาดหนึ่งไบต์: ASCII หรือตัวอักษรหรือเครื่องหมาย เช่น %4 หรือ %5</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>ไบต์ %1 เป็นเพียงไบต์แรกของอักขระสองไบต์ในโค้ดเพจ %2: ไบต์นี้เพียงลำพังไม่แทนอักขระใด</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>ไบต์ %1 ไม่แทนอักขระใดในโค้ดเพจ %2</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>ไม่มีโค้ดเพจ “%1”: โปรดเลือกหนึ่งใน %2</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>ไม่ใช่ไบต์เดียว</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>โค้ดเพจที่ไม่รู้จัก</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>ไม่มีอักขระ</translation>
    </message>
</context>
<context>
    <name>FailureDialog</name>
    <message>
        <source>OK</source>
        <translation>ตกลง</translation>
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
        <translation>ฐานสิบหก</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>คำนวณ</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>คัดลอก</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>อักขระ</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>เลขฐานสิบหก</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>คัดลอกอักขระ</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>คัดลอกเลขฐานสิบหก</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>โค้ดเพจ: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
โค้ดเพจ: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>แปลงอักขระหนึ่งตัวเป็นเลขฐานสิบหกสองหลักและแปลงกลับ</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>จอแสดงผล X11 (ไม่ได้ตั้งค่าตัวแปร DISPLAY)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>จอแสดงผล X11 “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>จอแสดงผล Wayland “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>จอแสดงผลผ่านแพลตฟอร์ม “%1”</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 หรือ %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>จอแสดงผล</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: เปิด%1 ไม่ได้ จึงแสดงหน้าต่างไม่ได้</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: ไม่มีจอแสดงผลสำหรับเปิดหน้าต่าง (ไม่ได้ตั้งค่าตัวแปร DISPLAY และ WAYLAND_DISPLAY)</translation>
    </message>
</context>
</TS>
