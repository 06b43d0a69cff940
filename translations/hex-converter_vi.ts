<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi">
<context>
    <name>CodePage</name>
    <message>
        <source>Windows-874 (Thai)</source>
        <translation>Windows-874 (Tiếng Thái)</translation>
    </message>
    <message>
        <source>Windows-932 (Japanese)</source>
        <translation>Windows-932 (Tiếng Nhật)</translation>
    </message>
    <message>
        <source>Windows-936 (Simplified Chinese)</source>
        <translation>Windows-936 (Tiếng Trung giản thể)</translation>
    </message>
    <message>
        <source>Windows-949 (Korean)</source>
        <translation>Windows-949 (Tiếng Hàn)</translation>
    </message>
    <message>
        <source>Windows-950 (Traditional Chinese)</source>
        <translation>Windows-950 (Tiếng Trung phồn thể)</translation>
    </message>
    <message>
        <source>Windows-1250 (Central European)</source>
        <translation>Windows-1250 (Trung Âu)</translation>
    </message>
    <message>
        <source>Windows-1251 (Cyrillic)</source>
        <translation>Windows-1251 (Kirin)</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Tây Âu)</translation>
    </message>
    <message>
        <source>Windows-1253 (Greek)</source>
        <translation>Windows-1253 (Tiếng Hy Lạp)</translation>
    </message>
    <message>
        <source>Windows-1254 (Turkish)</source>
        <translation>Windows-1254 (Tiếng Thổ Nhĩ Kỳ)</translation>
    </message>
    <message>
        <source>Windows-1255 (Hebrew)</source>
        <translation>Windows-1255 (Tiếng Do Thái)</translation>
    </message>
    <message>
        <source>Windows-1256 (Arabic)</source>
        <translation>Windows-1256 (Tiếng Ả Rập)</translation>
    </message>
    <message>
        <source>Windows-1257 (Baltic)</source>
        <translation>Windows-1257 (Baltic)</translation>
    </message>
    <message>
        <source>Windows-1258 (Vietnamese)</source>
        <translation>Windows-1258 (Tiếng Việt)</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>hex-converter: the option &quot;%1&quot; needs a value; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: tùy chọn “%1” cần một giá trị; xem “hex-converter --help”.</translation>
    </message>
    <message>
        <source>hex-converter: unknown option &quot;%1&quot;; see &quot;hex-converter --help&quot;.</source>
        <translation>hex-converter: tùy chọn không xác định “%1”; xem “hex-converter --help”.</translation>
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
        <translation>Cách dùng: hex-converter [--help | --version] [--code-page N] [tùy chọn Qt]
Chuyển một ký tự thành hai chữ số thập lục phân của nó và ngược lại, trong một
cửa sổ nhỏ, theo trang mã %1.

  -h, --help          hiện văn bản này rồi thoát
  -v, --version       hiện phiên bản rồi thoát
      --code-page N   chuyển đổi theo một trang mã khác của Windows: N là 874,
                      932, 936, 949, 950 hoặc từ 1250 đến 1258

Chương trình không có tùy chọn riêng nào khác. Các tùy chọn chuẩn của mọi
chương trình Qt đều áp dụng, trong đó có:
  -platform TÊN       hệ thống cửa sổ cần dùng, chẳng hạn xcb hoặc wayland
  -display DISPLAY    màn hình X11 để mở cửa sổ
  -style TÊN          kiểu dáng của widget, chẳng hạn Fusion
  -stylesheet TỆP     bảng kiểu dùng để vẽ cửa sổ
  -reverse            bố trí từ phải sang trái
Các đối số không phải là tùy chọn sẽ bị bỏ qua.
</translation>
    </message>
</context>
<context>
    <name>Failure</name>
    <message>
        <source>Unexpected failure</source>
        <translation>Lỗi không mong đợi</translation>
    </message>
    <message>
        <source>Something unexpected went wrong; the conversion was not finished.</source>
        <translation>Đã xảy ra sự cố không mong đợi; quá trình chuyển đổi chưa hoàn tất.</translation>
    </message>
    <message>
        <source>There is no character with code %1: codes run from 0 to 255.</source>
        <translation>Không có ký tự nào có mã %1: mã nằm trong khoảng từ 0 đến 255.</translation>
    </message>
    <message>
        <source>A bit string holds only the digits 0 and 1, not %1.</source>
        <translation>Chuỗi bit chỉ chứa các chữ số 0 và 1, không chứa %1.</translation>
    </message>
    <message>
        <source>%1 is not a byte value: a byte is a whole number from 0 to 255.</source>
        <translation>%1 không phải là giá trị byte: một byte là một số nguyên từ 0 đến 255.</translation>
    </message>
    <message>
        <source>A bit string has at most 8 characters, not %1.</source>
        <translation>Chuỗi bit có tối đa 8 ký tự, không phải %1.</translation>
    </message>
    <message>
        <source>Two hex digits need a bit string of exactly 8 characters, not %1.</source>
        <translation>Hai chữ số thập lục phân cần một chuỗi bit có đúng 8 ký tự, không phải %1.</translation>
    </message>
    <message>
        <source>An empty text does not read as a number.</source>
        <translation>Không thể đọc văn bản trống thành một số.</translation>
    </message>
    <message>
        <source>%1 does not read as a number: a number is written with the digits 0-9, an optional sign and an optional point.</source>
        <translation>Không thể đọc %1 thành một số: một số được viết bằng các chữ số 0-9, có thể kèm một dấu cộng hoặc trừ và một dấu chấm.</translation>
    </message>
    <message>
        <source>There is no hex digit to convert. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>Không có chữ số thập lục phân nào để chuyển đổi. Hãy nhập một hoặc hai chữ số thập lục phân: 0-9 và A-F (chữ hoa hoặc chữ thường).</translation>
    </message>
    <message>
        <source>%1 is not a hex digit. Type one or two hex digits: 0-9 and A-F (either case).</source>
        <translation>%1 không phải là chữ số thập lục phân. Hãy nhập một hoặc hai chữ số thập lục phân: 0-9 và A-F (chữ hoa hoặc chữ thường).</translation>
    </message>
    <message>
        <source>Failure</source>
        <translation>Lỗi</translation>
    </message>
    <message>
        <source>Type mismatch</source>
        <translation>Kiểu dữ liệu không khớp</translation>
    </message>
    <message>
        <source>Out of range</source>
        <translation>Ngoài phạm vi</translation>
    </message>
    <message>
        <source>Invalid bit string</source>
        <translation>Chuỗi bit không hợp lệ</translation>
    </message>
    <message>
        <source>Not in the code page</source>
        <translation>Không có trong trang mã</translation>
    </message>
    <message>
        <source>Another program is using the clipboard, so nothing was copied. Press Copy again in a moment.</source>
        <translation>Một chương trình khác đang dùng bảng tạm nên chưa sao chép được gì. Hãy bấm “Sao chép” lại sau giây lát.</translation>
    </message>
    <message>
        <source>The clipboard did not take the text, so nothing was copied. Press Copy again.</source>
        <translation>Bảng tạm không nhận văn bản nên chưa sao chép được gì. Hãy bấm “Sao chép” lại.</translation>
    </message>
    <message>
        <source>Clipboard unavailable</source>
        <translation>Bảng tạm không khả dụng</translation>
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
        <translation>Không có ký tự nào để chuyển đổi. Hãy nhập một ký tự của trang mã %1: ASCII hoặc một chữ cái hay ký hiệu như %2 hoặc %3.</translation>
    </message>
    <message>
        <source>The character %1 is not in the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Ký tự %1 không có trong trang mã %2. Hãy nhập một ký tự của trang mã đó: ASCII hoặc một chữ cái hay ký hiệu như %3 hoặc %4.</translation>
    </message>
    <message>
        <source>The character %1 is not a single character of the code page %2. Type a character of that code page: ASCII or a letter or sign such as %3 or %4.</source>
        <translation>Ký tự %1 không phải là một ký tự đơn của trang mã %2. Hãy nhập một ký tự của trang mã đó: ASCII hoặc một chữ cái hay ký hiệu như %3 hoặc %4.</translation>
    </message>
    <message>
        <source>The character %1 takes more than one byte in the code page %2: %3. Type a character of one byte: ASCII or a letter or sign such as %4 or %5.</source>
        <translation>Ký tự %1 chiếm nhiều hơn một byte trong trang mã %2: %3. Hãy nhập một ký tự chỉ chiếm một byte: ASCII hoặc một chữ cái hay ký hiệu như %4 hoặc %5.</translation>
    </message>
    <message>
        <source>The byte %1 only begins a character of two bytes in the code page %2: alone it stands for no character.</source>
        <translation>Byte %1 chỉ là byte đầu của một ký tự hai byte trong trang mã %2: riêng nó không biểu thị ký tự nào.</translation>
    </message>
    <message>
        <source>The byte %1 stands for no character in the code page %2.</source>
        <translation>Byte %1 không biểu thị ký tự nào trong trang mã %2.</translation>
    </message>
    <message>
        <source>There is no code page &quot;%1&quot;: choose one of %2.</source>
        <translation>Không có trang mã “%1”: hãy chọn một trong các trang mã %2.</translation>
    </message>
    <message>
        <source>Not a single byte</source>
        <translation>Không phải một byte</translation>
    </message>
    <message>
        <source>Unknown code page</source>
        <translation>Trang mã không xác định</translation>
    </message>
    <message>
        <source>No character</source>
        <translation>Không có ký tự</translation>
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
        <translation>Thập lục phân</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Tính toán</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Sao chép</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Ký tự</translation>
    </message>
    <message>
        <source>Hex digits</source>
        <translation>Chữ số thập lục phân</translation>
    </message>
    <message>
        <source>Copy character</source>
        <translation>Sao chép ký tự</translation>
    </message>
    <message>
        <source>Copy hex digits</source>
        <translation>Sao chép chữ số thập lục phân</translation>
    </message>
    <message>
        <source>Code page: %1</source>
        <translation>Trang mã: %1</translation>
    </message>
    <message>
        <source>%1
Code page: %2</source>
        <translation>%1
Trang mã: %2</translation>
    </message>
</context>
<context>
    <name>Page</name>
    <message>
        <source>Converts a character to its two hex digits and back</source>
        <translation>Chuyển một ký tự thành hai chữ số thập lục phân và ngược lại</translation>
    </message>
</context>
<context>
    <name>StartupMessages</name>
    <message>
        <source>an X11 display (DISPLAY is not set)</source>
        <translation>một màn hình X11 (biến DISPLAY chưa được đặt)</translation>
    </message>
    <message>
        <source>the X11 display &quot;%1&quot;</source>
        <translation>màn hình X11 “%1”</translation>
    </message>
    <message>
        <source>the Wayland display &quot;%1&quot;</source>
        <translation>màn hình Wayland “%1”</translation>
    </message>
    <message>
        <source>a display through the &quot;%1&quot; platform</source>
        <translation>một màn hình qua nền tảng “%1”</translation>
    </message>
    <message>
        <source>%1 nor %2</source>
        <translation>%1 hay %2</translation>
    </message>
    <message>
        <source>a display</source>
        <translation>màn hình</translation>
    </message>
    <message>
        <source>hex-converter: cannot open %1; the window cannot be shown.</source>
        <translation>hex-converter: không thể mở %1 nên không hiển thị được cửa sổ.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>hex-converter: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are not set)</source>
        <translation>hex-converter: không có màn hình nào để mở cửa sổ (các biến DISPLAY và WAYLAND_DISPLAY chưa được đặt)</translation>
    </message>
</context>
</TS>
