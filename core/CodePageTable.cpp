// SPDX-License-Identifier: MIT
// Windows' own tables for its ANSI code pages: each byte as MultiByteToWideChar maps it with
// MB_ERR_INVALID_CHARS, \uFFFF where it refuses, gives a private-use code point or the byte only
// begins a pair; each character of two bytes at the pair that WideCharToMultiByte writes for it
// (of two pairs for one character, the other is left out); and the characters that a code page
// writes only as a letter followed by combining marks, from Unicode's canonical decompositions.
// Bytes 0x00 to 0x7F are ASCII in every one. The tests check every byte and every character
// against glibc's iconv and against Windows itself.
#include "CodePageTable.h"

#include <algorithm>

namespace hexconv {

namespace {

// clang-format off

// Windows-874: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper874 =
    u"€\u0081\u0082\u0083\u0084…\u0086\u0087\u0088\u0089\u008A\u008B\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—\u0098\u0099\u009A\u009B\u009C\u009D\u009E\u009F"
    u"\u00A0กขฃคฅฆงจฉชซฌญฎฏ"
    u"ฐฑฒณดตถทธนบปผฝพฟ"
    u"ภมยรฤลฦวศษสหฬอฮฯ"
    u"ะ\u0E31าำ\u0E34\u0E35\u0E36\u0E37\u0E38\u0E39\u0E3A\uFFFF\uFFFF\uFFFF\uFFFF฿"
    u"เแโใไๅๆ\u0E47\u0E48\u0E49\u0E4A\u0E4B\u0E4C\u0E4D\u0E4E๏"
    u"๐๑๒๓๔๕๖๗๘๙๚๛\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-932: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper932 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF｡｢｣､･ｦｧｨｩｪｫｬｭｮｯ"
    u"ｰｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿ"
    u"ﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏ"
    u"ﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜﾝﾞﾟ"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-932: for each lead byte from 0x80 to 0xFF, its trail bytes 0x40 to 0xFE.
constexpr std::array<std::u16string_view, 128> pairs932 = {{
    {},
    // 0x81
    u"\u3000、。，．・：；？！゛゜´｀¨＾"
    u"￣＿ヽヾゝゞ〃仝々〆〇ー―‐／＼"
    u"～∥｜…‥‘’“”（）〔〕［］｛"
    u"｝〈〉《》「」『』【】＋－±×\uFFFF"
    u"÷＝≠＜＞≦≧∞∴♂♀°′″℃￥"
    u"＄￠￡％＃＆＊＠§☆★○●◎◇◆"
    u"□■△▲▽▼※〒→←↑↓〓\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF∈∋⊆⊇⊂⊃∪∩"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF∧∨￢⇒⇔∀∃\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF∠⊥⌒∂∇≡"
    u"≒≪≫√∽∝∵∫∬\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\u212B‰♯♭♪†‡¶\uFFFF\uFFFF\uFFFF\uFFFF◯\uFFFF\uFFFF",
    // 0x82
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF０"
    u"１２３４５６７８９\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ"
    u"ＱＲＳＴＵＶＷＸＹＺ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFａｂｃｄｅｆｇｈｉｊｋｌｍｎｏ"
    u"ｐｑｒｓｔｕｖｗｘｙｚ\uFFFF\uFFFF\uFFFF\uFFFFぁ"
    u"あぃいぅうぇえぉおかがきぎくぐけ"
    u"げこごさざしじすずせぜそぞただち"
    u"ぢっつづてでとどなにぬねのはばぱ"
    u"ひびぴふぶぷへべぺほぼぽまみむめ"
    u"もゃやゅゆょよらりるれろゎわゐゑ"
    u"をん\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0x83
    u"ァアィイゥウェエォオカガキギクグ"
    u"ケゲコゴサザシジスズセゼソゾタダ"
    u"チヂッツヅテデトドナニヌネノハバ"
    u"パヒビピフブプヘベペホボポマミ\uFFFF"
    u"ムメモャヤュユョヨラリルレロヮワ"
    u"ヰヱヲンヴヵヶ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFFΑ"
    u"ΒΓΔΕΖΗΘΙΚΛΜΝΞΟΠΡ"
    u"ΣΤΥΦΧΨΩ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFFα"
    u"βγδεζηθικλμνξοπρ"
    u"στυφχψω\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0x84
    u"АБВГДЕЁЖЗИЙКЛМНО"
    u"ПРСТУФХЦЧШЩЪЫЬЭЮ"
    u"Я\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"абвгдеёжзийклмн\uFFFF"
    u"опрстуфхцчшщъыьэ"
    u"юя\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF─"
    u"│┌┐┘└├┬┤┴┼━┃┏┓┛┗"
    u"┣┳┫┻╋┠┯┨┷┿┝┰┥┸╂\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    {},
    {},
    // 0x87
    u"①②③④⑤⑥⑦⑧⑨⑩⑪⑫⑬⑭⑮⑯"
    u"⑰⑱⑲⑳ⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩ\uFFFF㍉"
    u"㌔㌢㍍㌘㌧㌃㌶㍑㍗㌍㌦㌣㌫㍊㌻㎜"
    u"㎝㎞㎎㎏㏄㎡\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF㍻\uFFFF"
    u"〝〟№㏍℡㊤㊥㊦㊧㊨㈱㈲㈹㍾㍽㍼"
    u"\uFFFF\uFFFF\uFFFF∮∑\uFFFF\uFFFF\uFFFF∟⊿\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0x88
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF亜"
    u"唖娃阿哀愛挨姶逢葵茜穐悪握渥旭葦"
    u"芦鯵梓圧斡扱宛姐虻飴絢綾鮎或粟袷"
    u"安庵按暗案闇鞍杏以伊位依偉囲夷委"
    u"威尉惟意慰易椅為畏異移維緯胃萎衣"
    u"謂違遺医井亥域育郁磯一壱溢逸稲茨"
    u"芋鰯允印咽員因姻引飲淫胤蔭\uFFFF\uFFFF",
    // 0x89
    u"院陰隠韻吋右宇烏羽迂雨卯鵜窺丑碓"
    u"臼渦嘘唄欝蔚鰻姥厩浦瓜閏噂云運雲"
    u"荏餌叡営嬰影映曳栄永泳洩瑛盈穎頴"
    u"英衛詠鋭液疫益駅悦謁越閲榎厭円\uFFFF"
    u"園堰奄宴延怨掩援沿演炎焔煙燕猿縁"
    u"艶苑薗遠鉛鴛塩於汚甥凹央奥往応押"
    u"旺横欧殴王翁襖鴬鴎黄岡沖荻億屋憶"
    u"臆桶牡乙俺卸恩温穏音下化仮何伽価"
    u"佳加可嘉夏嫁家寡科暇果架歌河火珂"
    u"禍禾稼箇花苛茄荷華菓蝦課嘩貨迦過"
    u"霞蚊俄峨我牙画臥芽蛾賀雅餓駕介会"
    u"解回塊壊廻快怪悔恢懐戒拐改\uFFFF\uFFFF",
    // 0x8A
    u"魁晦械海灰界皆絵芥蟹開階貝凱劾外"
    u"咳害崖慨概涯碍蓋街該鎧骸浬馨蛙垣"
    u"柿蛎鈎劃嚇各廓拡撹格核殻獲確穫覚"
    u"角赫較郭閣隔革学岳楽額顎掛笠樫\uFFFF"
    u"橿梶鰍潟割喝恰括活渇滑葛褐轄且鰹"
    u"叶椛樺鞄株兜竃蒲釜鎌噛鴨栢茅萱粥"
    u"刈苅瓦乾侃冠寒刊勘勧巻喚堪姦完官"
    u"寛干幹患感慣憾換敢柑桓棺款歓汗漢"
    u"澗潅環甘監看竿管簡緩缶翰肝艦莞観"
    u"諌貫還鑑間閑関陥韓館舘丸含岸巌玩"
    u"癌眼岩翫贋雁頑顔願企伎危喜器基奇"
    u"嬉寄岐希幾忌揮机旗既期棋棄\uFFFF\uFFFF",
    // 0x8B
    u"機帰毅気汽畿祈季稀紀徽規記貴起軌"
    u"輝飢騎鬼亀偽儀妓宜戯技擬欺犠疑祇"
    u"義蟻誼議掬菊鞠吉吃喫桔橘詰砧杵黍"
    u"却客脚虐逆丘久仇休及吸宮弓急救\uFFFF"
    u"朽求汲泣灸球究窮笈級糾給旧牛去居"
    u"巨拒拠挙渠虚許距鋸漁禦魚亨享京供"
    u"侠僑兇競共凶協匡卿叫喬境峡強彊怯"
    u"恐恭挟教橋況狂狭矯胸脅興蕎郷鏡響"
    u"饗驚仰凝尭暁業局曲極玉桐粁僅勤均"
    u"巾錦斤欣欽琴禁禽筋緊芹菌衿襟謹近"
    u"金吟銀九倶句区狗玖矩苦躯駆駈駒具"
    u"愚虞喰空偶寓遇隅串櫛釧屑屈\uFFFF\uFFFF",
    // 0x8C
    u"掘窟沓靴轡窪熊隈粂栗繰桑鍬勲君薫"
    u"訓群軍郡卦袈祁係傾刑兄啓圭珪型契"
    u"形径恵慶慧憩掲携敬景桂渓畦稽系経"
    u"継繋罫茎荊蛍計詣警軽頚鶏芸迎鯨\uFFFF"
    u"劇戟撃激隙桁傑欠決潔穴結血訣月件"
    u"倹倦健兼券剣喧圏堅嫌建憲懸拳捲検"
    u"権牽犬献研硯絹県肩見謙賢軒遣鍵険"
    u"顕験鹸元原厳幻弦減源玄現絃舷言諺"
    u"限乎個古呼固姑孤己庫弧戸故枯湖狐"
    u"糊袴股胡菰虎誇跨鈷雇顧鼓五互伍午"
    u"呉吾娯後御悟梧檎瑚碁語誤護醐乞鯉"
    u"交佼侯候倖光公功効勾厚口向\uFFFF\uFFFF",
    // 0x8D
    u"后喉坑垢好孔孝宏工巧巷幸広庚康弘"
    u"恒慌抗拘控攻昂晃更杭校梗構江洪浩"
    u"港溝甲皇硬稿糠紅紘絞綱耕考肯肱腔"
    u"膏航荒行衡講貢購郊酵鉱砿鋼閤降\uFFFF"
    u"項香高鴻剛劫号合壕拷濠豪轟麹克刻"
    u"告国穀酷鵠黒獄漉腰甑忽惚骨狛込此"
    u"頃今困坤墾婚恨懇昏昆根梱混痕紺艮"
    u"魂些佐叉唆嵯左差査沙瑳砂詐鎖裟坐"
    u"座挫債催再最哉塞妻宰彩才採栽歳済"
    u"災采犀砕砦祭斎細菜裁載際剤在材罪"
    u"財冴坂阪堺榊肴咲崎埼碕鷺作削咋搾"
    u"昨朔柵窄策索錯桜鮭笹匙冊刷\uFFFF\uFFFF",
    // 0x8E
    u"察拶撮擦札殺薩雑皐鯖捌錆鮫皿晒三"
    u"傘参山惨撒散桟燦珊産算纂蚕讃賛酸"
    u"餐斬暫残仕仔伺使刺司史嗣四士始姉"
    u"姿子屍市師志思指支孜斯施旨枝止\uFFFF"
    u"死氏獅祉私糸紙紫肢脂至視詞詩試誌"
    u"諮資賜雌飼歯事似侍児字寺慈持時次"
    u"滋治爾璽痔磁示而耳自蒔辞汐鹿式識"
    u"鴫竺軸宍雫七叱執失嫉室悉湿漆疾質"
    u"実蔀篠偲柴芝屡蕊縞舎写射捨赦斜煮"
    u"社紗者謝車遮蛇邪借勺尺杓灼爵酌釈"
    u"錫若寂弱惹主取守手朱殊狩珠種腫趣"
    u"酒首儒受呪寿授樹綬需囚収周\uFFFF\uFFFF",
    // 0x8F
    u"宗就州修愁拾洲秀秋終繍習臭舟蒐衆"
    u"襲讐蹴輯週酋酬集醜什住充十従戎柔"
    u"汁渋獣縦重銃叔夙宿淑祝縮粛塾熟出"
    u"術述俊峻春瞬竣舜駿准循旬楯殉淳\uFFFF"
    u"準潤盾純巡遵醇順処初所暑曙渚庶緒"
    u"署書薯藷諸助叙女序徐恕鋤除傷償勝"
    u"匠升召哨商唱嘗奨妾娼宵将小少尚庄"
    u"床廠彰承抄招掌捷昇昌昭晶松梢樟樵"
    u"沼消渉湘焼焦照症省硝礁祥称章笑粧"
    u"紹肖菖蒋蕉衝裳訟証詔詳象賞醤鉦鍾"
    u"鐘障鞘上丈丞乗冗剰城場壌嬢常情擾"
    u"条杖浄状畳穣蒸譲醸錠嘱埴飾\uFFFF\uFFFF",
    // 0x90
    u"拭植殖燭織職色触食蝕辱尻伸信侵唇"
    u"娠寝審心慎振新晋森榛浸深申疹真神"
    u"秦紳臣芯薪親診身辛進針震人仁刃塵"
    u"壬尋甚尽腎訊迅陣靭笥諏須酢図厨\uFFFF"
    u"逗吹垂帥推水炊睡粋翠衰遂酔錐錘随"
    u"瑞髄崇嵩数枢趨雛据杉椙菅頗雀裾澄"
    u"摺寸世瀬畝是凄制勢姓征性成政整星"
    u"晴棲栖正清牲生盛精聖声製西誠誓請"
    u"逝醒青静斉税脆隻席惜戚斥昔析石積"
    u"籍績脊責赤跡蹟碩切拙接摂折設窃節"
    u"説雪絶舌蝉仙先千占宣専尖川戦扇撰"
    u"栓栴泉浅洗染潜煎煽旋穿箭線\uFFFF\uFFFF",
    // 0x91
    u"繊羨腺舛船薦詮賎践選遷銭銑閃鮮前"
    u"善漸然全禅繕膳糎噌塑岨措曾曽楚狙"
    u"疏疎礎祖租粗素組蘇訴阻遡鼠僧創双"
    u"叢倉喪壮奏爽宋層匝惣想捜掃挿掻\uFFFF"
    u"操早曹巣槍槽漕燥争痩相窓糟総綜聡"
    u"草荘葬蒼藻装走送遭鎗霜騒像増憎臓"
    u"蔵贈造促側則即息捉束測足速俗属賊"
    u"族続卒袖其揃存孫尊損村遜他多太汰"
    u"詑唾堕妥惰打柁舵楕陀駄騨体堆対耐"
    u"岱帯待怠態戴替泰滞胎腿苔袋貸退逮"
    u"隊黛鯛代台大第醍題鷹滝瀧卓啄宅托"
    u"択拓沢濯琢託鐸濁諾茸凧蛸只\uFFFF\uFFFF",
    // 0x92
    u"叩但達辰奪脱巽竪辿棚谷狸鱈樽誰丹"
    u"単嘆坦担探旦歎淡湛炭短端箪綻耽胆"
    u"蛋誕鍛団壇弾断暖檀段男談値知地弛"
    u"恥智池痴稚置致蜘遅馳築畜竹筑蓄\uFFFF"
    u"逐秩窒茶嫡着中仲宙忠抽昼柱注虫衷"
    u"註酎鋳駐樗瀦猪苧著貯丁兆凋喋寵帖"
    u"帳庁弔張彫徴懲挑暢朝潮牒町眺聴脹"
    u"腸蝶調諜超跳銚長頂鳥勅捗直朕沈珍"
    u"賃鎮陳津墜椎槌追鎚痛通塚栂掴槻佃"
    u"漬柘辻蔦綴鍔椿潰坪壷嬬紬爪吊釣鶴"
    u"亭低停偵剃貞呈堤定帝底庭廷弟悌抵"
    u"挺提梯汀碇禎程締艇訂諦蹄逓\uFFFF\uFFFF",
    // 0x93
    u"邸鄭釘鼎泥摘擢敵滴的笛適鏑溺哲徹"
    u"撤轍迭鉄典填天展店添纏甜貼転顛点"
    u"伝殿澱田電兎吐堵塗妬屠徒斗杜渡登"
    u"菟賭途都鍍砥砺努度土奴怒倒党冬\uFFFF"
    u"凍刀唐塔塘套宕島嶋悼投搭東桃梼棟"
    u"盗淘湯涛灯燈当痘祷等答筒糖統到董"
    u"蕩藤討謄豆踏逃透鐙陶頭騰闘働動同"
    u"堂導憧撞洞瞳童胴萄道銅峠鴇匿得徳"
    u"涜特督禿篤毒独読栃橡凸突椴届鳶苫"
    u"寅酉瀞噸屯惇敦沌豚遁頓呑曇鈍奈那"
    u"内乍凪薙謎灘捺鍋楢馴縄畷南楠軟難"
    u"汝二尼弐迩匂賑肉虹廿日乳入\uFFFF\uFFFF",
    // 0x94
    u"如尿韮任妊忍認濡禰祢寧葱猫熱年念"
    u"捻撚燃粘乃廼之埜嚢悩濃納能脳膿農"
    u"覗蚤巴把播覇杷波派琶破婆罵芭馬俳"
    u"廃拝排敗杯盃牌背肺輩配倍培媒梅\uFFFF"
    u"楳煤狽買売賠陪這蝿秤矧萩伯剥博拍"
    u"柏泊白箔粕舶薄迫曝漠爆縛莫駁麦函"
    u"箱硲箸肇筈櫨幡肌畑畠八鉢溌発醗髪"
    u"伐罰抜筏閥鳩噺塙蛤隼伴判半反叛帆"
    u"搬斑板氾汎版犯班畔繁般藩販範釆煩"
    u"頒飯挽晩番盤磐蕃蛮匪卑否妃庇彼悲"
    u"扉批披斐比泌疲皮碑秘緋罷肥被誹費"
    u"避非飛樋簸備尾微枇毘琵眉美\uFFFF\uFFFF",
    // 0x95
    u"鼻柊稗匹疋髭彦膝菱肘弼必畢筆逼桧"
    u"姫媛紐百謬俵彪標氷漂瓢票表評豹廟"
    u"描病秒苗錨鋲蒜蛭鰭品彬斌浜瀕貧賓"
    u"頻敏瓶不付埠夫婦富冨布府怖扶敷\uFFFF"
    u"斧普浮父符腐膚芙譜負賦赴阜附侮撫"
    u"武舞葡蕪部封楓風葺蕗伏副復幅服福"
    u"腹複覆淵弗払沸仏物鮒分吻噴墳憤扮"
    u"焚奮粉糞紛雰文聞丙併兵塀幣平弊柄"
    u"並蔽閉陛米頁僻壁癖碧別瞥蔑箆偏変"
    u"片篇編辺返遍便勉娩弁鞭保舗鋪圃捕"
    u"歩甫補輔穂募墓慕戊暮母簿菩倣俸包"
    u"呆報奉宝峰峯崩庖抱捧放方朋\uFFFF\uFFFF",
    // 0x96
    u"法泡烹砲縫胞芳萌蓬蜂褒訪豊邦鋒飽"
    u"鳳鵬乏亡傍剖坊妨帽忘忙房暴望某棒"
    u"冒紡肪膨謀貌貿鉾防吠頬北僕卜墨撲"
    u"朴牧睦穆釦勃没殆堀幌奔本翻凡盆\uFFFF"
    u"摩磨魔麻埋妹昧枚毎哩槙幕膜枕鮪柾"
    u"鱒桝亦俣又抹末沫迄侭繭麿万慢満漫"
    u"蔓味未魅巳箕岬密蜜湊蓑稔脈妙粍民"
    u"眠務夢無牟矛霧鵡椋婿娘冥名命明盟"
    u"迷銘鳴姪牝滅免棉綿緬面麺摸模茂妄"
    u"孟毛猛盲網耗蒙儲木黙目杢勿餅尤戻"
    u"籾貰問悶紋門匁也冶夜爺耶野弥矢厄"
    u"役約薬訳躍靖柳薮鑓愉愈油癒\uFFFF\uFFFF",
    // 0x97
    u"諭輸唯佑優勇友宥幽悠憂揖有柚湧涌"
    u"猶猷由祐裕誘遊邑郵雄融夕予余与誉"
    u"輿預傭幼妖容庸揚揺擁曜楊様洋溶熔"
    u"用窯羊耀葉蓉要謡踊遥陽養慾抑欲\uFFFF"
    u"沃浴翌翼淀羅螺裸来莱頼雷洛絡落酪"
    u"乱卵嵐欄濫藍蘭覧利吏履李梨理璃痢"
    u"裏裡里離陸律率立葎掠略劉流溜琉留"
    u"硫粒隆竜龍侶慮旅虜了亮僚両凌寮料"
    u"梁涼猟療瞭稜糧良諒遼量陵領力緑倫"
    u"厘林淋燐琳臨輪隣鱗麟瑠塁涙累類令"
    u"伶例冷励嶺怜玲礼苓鈴隷零霊麗齢暦"
    u"歴列劣烈裂廉恋憐漣煉簾練聯\uFFFF\uFFFF",
    // 0x98
    u"蓮連錬呂魯櫓炉賂路露労婁廊弄朗楼"
    u"榔浪漏牢狼篭老聾蝋郎六麓禄肋録論"
    u"倭和話歪賄脇惑枠鷲亙亘鰐詫藁蕨椀"
    u"湾碗腕\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF弌"
    u"丐丕个丱丶丼丿乂乖乘亂亅豫亊舒弍"
    u"于亞亟亠亢亰亳亶从仍仄仆仂仗仞仭"
    u"仟价伉佚估佛佝佗佇佶侈侏侘佻佩佰"
    u"侑佯來侖儘俔俟俎俘俛俑俚俐俤俥倚"
    u"倨倔倪倥倅伜俶倡倩倬俾俯們倆偃假"
    u"會偕偐偈做偖偬偸傀傚傅傴傲\uFFFF\uFFFF",
    // 0x99
    u"僉僊傳僂僖僞僥僭僣僮價僵儉儁儂儖"
    u"儕儔儚儡儺儷儼儻儿兀兒兌兔兢竸兩"
    u"兪兮冀冂囘册冉冏冑冓冕冖冤冦冢冩"
    u"冪冫决冱冲冰况冽凅凉凛几處凩凭\uFFFF"
    u"凰凵凾刄刋刔刎刧刪刮刳刹剏剄剋剌"
    u"剞剔剪剴剩剳剿剽劍劔劒剱劈劑辨辧"
    u"劬劭劼劵勁勍勗勞勣勦飭勠勳勵勸勹"
    u"匆匈甸匍匐匏匕匚匣匯匱匳匸區卆卅"
    u"丗卉卍凖卞卩卮夘卻卷厂厖厠厦厥厮"
    u"厰厶參簒雙叟曼燮叮叨叭叺吁吽呀听"
    u"吭吼吮吶吩吝呎咏呵咎呟呱呷呰咒呻"
    u"咀呶咄咐咆哇咢咸咥咬哄哈咨\uFFFF\uFFFF",
    // 0x9A
    u"咫哂咤咾咼哘哥哦唏唔哽哮哭哺哢唹"
    u"啀啣啌售啜啅啖啗唸唳啝喙喀咯喊喟"
    u"啻啾喘喞單啼喃喩喇喨嗚嗅嗟嗄嗜嗤"
    u"嗔嘔嗷嘖嗾嗽嘛嗹噎噐營嘴嘶嘲嘸\uFFFF"
    u"噫噤嘯噬噪嚆嚀嚊嚠嚔嚏嚥嚮嚶嚴囂"
    u"嚼囁囃囀囈囎囑囓囗囮囹圀囿圄圉圈"
    u"國圍圓團圖嗇圜圦圷圸坎圻址坏坩埀"
    u"垈坡坿垉垓垠垳垤垪垰埃埆埔埒埓堊"
    u"埖埣堋堙堝塲堡塢塋塰毀塒堽塹墅墹"
    u"墟墫墺壞墻墸墮壅壓壑壗壙壘壥壜壤"
    u"壟壯壺壹壻壼壽夂夊夐夛梦夥夬夭夲"
    u"夸夾竒奕奐奎奚奘奢奠奧奬奩\uFFFF\uFFFF",
    // 0x9B
    u"奸妁妝佞侫妣妲姆姨姜妍姙姚娥娟娑"
    u"娜娉娚婀婬婉娵娶婢婪媚媼媾嫋嫂媽"
    u"嫣嫗嫦嫩嫖嫺嫻嬌嬋嬖嬲嫐嬪嬶嬾孃"
    u"孅孀孑孕孚孛孥孩孰孳孵學斈孺宀\uFFFF"
    u"它宦宸寃寇寉寔寐寤實寢寞寥寫寰寶"
    u"寳尅將專對尓尠尢尨尸尹屁屆屎屓屐"
    u"屏孱屬屮乢屶屹岌岑岔妛岫岻岶岼岷"
    u"峅岾峇峙峩峽峺峭嶌峪崋崕崗嵜崟崛"
    u"崑崔崢崚崙崘嵌嵒嵎嵋嵬嵳嵶嶇嶄嶂"
    u"嶢嶝嶬嶮嶽嶐嶷嶼巉巍巓巒巖巛巫已"
    u"巵帋帚帙帑帛帶帷幄幃幀幎幗幔幟幢"
    u"幤幇幵并幺麼广庠廁廂廈廐廏\uFFFF\uFFFF",
    // 0x9C
    u"廖廣廝廚廛廢廡廨廩廬廱廳廰廴廸廾"
    u"弃弉彝彜弋弑弖弩弭弸彁彈彌彎弯彑"
    u"彖彗彙彡彭彳彷徃徂彿徊很徑徇從徙"
    u"徘徠徨徭徼忖忻忤忸忱忝悳忿怡恠\uFFFF"
    u"怙怐怩怎怱怛怕怫怦怏怺恚恁恪恷恟"
    u"恊恆恍恣恃恤恂恬恫恙悁悍惧悃悚悄"
    u"悛悖悗悒悧悋惡悸惠惓悴忰悽惆悵惘"
    u"慍愕愆惶惷愀惴惺愃愡惻惱愍愎慇愾"
    u"愨愧慊愿愼愬愴愽慂慄慳慷慘慙慚慫"
    u"慴慯慥慱慟慝慓慵憙憖憇憬憔憚憊憑"
    u"憫憮懌懊應懷懈懃懆憺懋罹懍懦懣懶"
    u"懺懴懿懽懼懾戀戈戉戍戌戔戛\uFFFF\uFFFF",
    // 0x9D
    u"戞戡截戮戰戲戳扁扎扞扣扛扠扨扼抂"
    u"抉找抒抓抖拔抃抔拗拑抻拏拿拆擔拈"
    u"拜拌拊拂拇抛拉挌拮拱挧挂挈拯拵捐"
    u"挾捍搜捏掖掎掀掫捶掣掏掉掟掵捫\uFFFF"
    u"捩掾揩揀揆揣揉插揶揄搖搴搆搓搦搶"
    u"攝搗搨搏摧摯摶摎攪撕撓撥撩撈撼據"
    u"擒擅擇撻擘擂擱擧舉擠擡抬擣擯攬擶"
    u"擴擲擺攀擽攘攜攅攤攣攫攴攵攷收攸"
    u"畋效敖敕敍敘敞敝敲數斂斃變斛斟斫"
    u"斷旃旆旁旄旌旒旛旙无旡旱杲昊昃旻"
    u"杳昵昶昴昜晏晄晉晁晞晝晤晧晨晟晢"
    u"晰暃暈暎暉暄暘暝曁暹曉暾暼\uFFFF\uFFFF",
    // 0x9E
    u"曄暸曖曚曠昿曦曩曰曵曷朏朖朞朦朧"
    u"霸朮朿朶杁朸朷杆杞杠杙杣杤枉杰枩"
    u"杼杪枌枋枦枡枅枷柯枴柬枳柩枸柤柞"
    u"柝柢柮枹柎柆柧檜栞框栩桀桍栲桎\uFFFF"
    u"梳栫桙档桷桿梟梏梭梔條梛梃檮梹桴"
    u"梵梠梺椏梍桾椁棊椈棘椢椦棡椌棍棔"
    u"棧棕椶椒椄棗棣椥棹棠棯椨椪椚椣椡"
    u"棆楹楷楜楸楫楔楾楮椹楴椽楙椰楡楞"
    u"楝榁楪榲榮槐榿槁槓榾槎寨槊槝榻槃"
    u"榧樮榑榠榜榕榴槞槨樂樛槿權槹槲槧"
    u"樅榱樞槭樔槫樊樒櫁樣樓橄樌橲樶橸"
    u"橇橢橙橦橈樸樢檐檍檠檄檢檣\uFFFF\uFFFF",
    // 0x9F
    u"檗蘗檻櫃櫂檸檳檬櫞櫑櫟檪櫚櫪櫻欅"
    u"蘖櫺欒欖鬱欟欸欷盜欹飮歇歃歉歐歙"
    u"歔歛歟歡歸歹歿殀殄殃殍殘殕殞殤殪"
    u"殫殯殲殱殳殷殼毆毋毓毟毬毫毳毯\uFFFF"
    u"麾氈氓气氛氤氣汞汕汢汪沂沍沚沁沛"
    u"汾汨汳沒沐泄泱泓沽泗泅泝沮沱沾沺"
    u"泛泯泙泪洟衍洶洫洽洸洙洵洳洒洌浣"
    u"涓浤浚浹浙涎涕濤涅淹渕渊涵淇淦涸"
    u"淆淬淞淌淨淒淅淺淙淤淕淪淮渭湮渮"
    u"渙湲湟渾渣湫渫湶湍渟湃渺湎渤滿渝"
    u"游溂溪溘滉溷滓溽溯滄溲滔滕溏溥滂"
    u"溟潁漑灌滬滸滾漿滲漱滯漲滌\uFFFF\uFFFF",
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    // 0xE0
    u"漾漓滷澆潺潸澁澀潯潛濳潭澂潼潘澎"
    u"澑濂潦澳澣澡澤澹濆澪濟濕濬濔濘濱"
    u"濮濛瀉瀋濺瀑瀁瀏濾瀛瀚潴瀝瀘瀟瀰"
    u"瀾瀲灑灣炙炒炯烱炬炸炳炮烟烋烝\uFFFF"
    u"烙焉烽焜焙煥煕熈煦煢煌煖煬熏燻熄"
    u"熕熨熬燗熹熾燒燉燔燎燠燬燧燵燼燹"
    u"燿爍爐爛爨爭爬爰爲爻爼爿牀牆牋牘"
    u"牴牾犂犁犇犒犖犢犧犹犲狃狆狄狎狒"
    u"狢狠狡狹狷倏猗猊猜猖猝猴猯猩猥猾"
    u"獎獏默獗獪獨獰獸獵獻獺珈玳珎玻珀"
    u"珥珮珞璢琅瑯琥珸琲琺瑕琿瑟瑙瑁瑜"
    u"瑩瑰瑣瑪瑶瑾璋璞璧瓊瓏瓔珱\uFFFF\uFFFF",
    // 0xE1
    u"瓠瓣瓧瓩瓮瓲瓰瓱瓸瓷甄甃甅甌甎甍"
    u"甕甓甞甦甬甼畄畍畊畉畛畆畚畩畤畧"
    u"畫畭畸當疆疇畴疊疉疂疔疚疝疥疣痂"
    u"疳痃疵疽疸疼疱痍痊痒痙痣痞痾痿\uFFFF"
    u"痼瘁痰痺痲痳瘋瘍瘉瘟瘧瘠瘡瘢瘤瘴"
    u"瘰瘻癇癈癆癜癘癡癢癨癩癪癧癬癰癲"
    u"癶癸發皀皃皈皋皎皖皓皙皚皰皴皸皹"
    u"皺盂盍盖盒盞盡盥盧盪蘯盻眈眇眄眩"
    u"眤眞眥眦眛眷眸睇睚睨睫睛睥睿睾睹"
    u"瞎瞋瞑瞠瞞瞰瞶瞹瞿瞼瞽瞻矇矍矗矚"
    u"矜矣矮矼砌砒礦砠礪硅碎硴碆硼碚碌"
    u"碣碵碪碯磑磆磋磔碾碼磅磊磬\uFFFF\uFFFF",
    // 0xE2
    u"磧磚磽磴礇礒礑礙礬礫祀祠祗祟祚祕"
    u"祓祺祿禊禝禧齋禪禮禳禹禺秉秕秧秬"
    u"秡秣稈稍稘稙稠稟禀稱稻稾稷穃穗穉"
    u"穡穢穩龝穰穹穽窈窗窕窘窖窩竈窰\uFFFF"
    u"窶竅竄窿邃竇竊竍竏竕竓站竚竝竡竢"
    u"竦竭竰笂笏笊笆笳笘笙笞笵笨笶筐筺"
    u"笄筍笋筌筅筵筥筴筧筰筱筬筮箝箘箟"
    u"箍箜箚箋箒箏筝箙篋篁篌篏箴篆篝篩"
    u"簑簔篦篥籠簀簇簓篳篷簗簍篶簣簧簪"
    u"簟簷簫簽籌籃籔籏籀籐籘籟籤籖籥籬"
    u"籵粃粐粤粭粢粫粡粨粳粲粱粮粹粽糀"
    u"糅糂糘糒糜糢鬻糯糲糴糶糺紆\uFFFF\uFFFF",
    // 0xE3
    u"紂紜紕紊絅絋紮紲紿紵絆絳絖絎絲絨"
    u"絮絏絣經綉絛綏絽綛綺綮綣綵緇綽綫"
    u"總綢綯緜綸綟綰緘緝緤緞緻緲緡縅縊"
    u"縣縡縒縱縟縉縋縢繆繦縻縵縹繃縷\uFFFF"
    u"縲縺繧繝繖繞繙繚繹繪繩繼繻纃緕繽"
    u"辮繿纈纉續纒纐纓纔纖纎纛纜缸缺罅"
    u"罌罍罎罐网罕罔罘罟罠罨罩罧罸羂羆"
    u"羃羈羇羌羔羞羝羚羣羯羲羹羮羶羸譱"
    u"翅翆翊翕翔翡翦翩翳翹飜耆耄耋耒耘"
    u"耙耜耡耨耿耻聊聆聒聘聚聟聢聨聳聲"
    u"聰聶聹聽聿肄肆肅肛肓肚肭冐肬胛胥"
    u"胙胝胄胚胖脉胯胱脛脩脣脯腋\uFFFF\uFFFF",
    // 0xE4
    u"隋腆脾腓腑胼腱腮腥腦腴膃膈膊膀膂"
    u"膠膕膤膣腟膓膩膰膵膾膸膽臀臂膺臉"
    u"臍臑臙臘臈臚臟臠臧臺臻臾舁舂舅與"
    u"舊舍舐舖舩舫舸舳艀艙艘艝艚艟艤\uFFFF"
    u"艢艨艪艫舮艱艷艸艾芍芒芫芟芻芬苡"
    u"苣苟苒苴苳苺莓范苻苹苞茆苜茉苙茵"
    u"茴茖茲茱荀茹荐荅茯茫茗茘莅莚莪莟"
    u"莢莖茣莎莇莊荼莵荳荵莠莉莨菴萓菫"
    u"菎菽萃菘萋菁菷萇菠菲萍萢萠莽萸蔆"
    u"菻葭萪萼蕚蒄葷葫蒭葮蒂葩葆萬葯葹"
    u"萵蓊葢蒹蒿蒟蓙蓍蒻蓚蓐蓁蓆蓖蒡蔡"
    u"蓿蓴蔗蔘蔬蔟蔕蔔蓼蕀蕣蕘蕈\uFFFF\uFFFF",
    // 0xE5
    u"蕁蘂蕋蕕薀薤薈薑薊薨蕭薔薛藪薇薜"
    u"蕷蕾薐藉薺藏薹藐藕藝藥藜藹蘊蘓蘋"
    u"藾藺蘆蘢蘚蘰蘿虍乕虔號虧虱蚓蚣蚩"
    u"蚪蚋蚌蚶蚯蛄蛆蚰蛉蠣蚫蛔蛞蛩蛬\uFFFF"
    u"蛟蛛蛯蜒蜆蜈蜀蜃蛻蜑蜉蜍蛹蜊蜴蜿"
    u"蜷蜻蜥蜩蜚蝠蝟蝸蝌蝎蝴蝗蝨蝮蝙蝓"
    u"蝣蝪蠅螢螟螂螯蟋螽蟀蟐雖螫蟄螳蟇"
    u"蟆螻蟯蟲蟠蠏蠍蟾蟶蟷蠎蟒蠑蠖蠕蠢"
    u"蠡蠱蠶蠹蠧蠻衄衂衒衙衞衢衫袁衾袞"
    u"衵衽袵衲袂袗袒袮袙袢袍袤袰袿袱裃"
    u"裄裔裘裙裝裹褂裼裴裨裲褄褌褊褓襃"
    u"褞褥褪褫襁襄褻褶褸襌褝襠襞\uFFFF\uFFFF",
    // 0xE6
    u"襦襤襭襪襯襴襷襾覃覈覊覓覘覡覩覦"
    u"覬覯覲覺覽覿觀觚觜觝觧觴觸訃訖訐"
    u"訌訛訝訥訶詁詛詒詆詈詼詭詬詢誅誂"
    u"誄誨誡誑誥誦誚誣諄諍諂諚諫諳諧\uFFFF"
    u"諤諱謔諠諢諷諞諛謌謇謚諡謖謐謗謠"
    u"謳鞫謦謫謾謨譁譌譏譎證譖譛譚譫譟"
    u"譬譯譴譽讀讌讎讒讓讖讙讚谺豁谿豈"
    u"豌豎豐豕豢豬豸豺貂貉貅貊貍貎貔豼"
    u"貘戝貭貪貽貲貳貮貶賈賁賤賣賚賽賺"
    u"賻贄贅贊贇贏贍贐齎贓賍贔贖赧赭赱"
    u"赳趁趙跂趾趺跏跚跖跌跛跋跪跫跟跣"
    u"跼踈踉跿踝踞踐踟蹂踵踰踴蹊\uFFFF\uFFFF",
    // 0xE7
    u"蹇蹉蹌蹐蹈蹙蹤蹠踪蹣蹕蹶蹲蹼躁躇"
    u"躅躄躋躊躓躑躔躙躪躡躬躰軆躱躾軅"
    u"軈軋軛軣軼軻軫軾輊輅輕輒輙輓輜輟"
    u"輛輌輦輳輻輹轅轂輾轌轉轆轎轗轜\uFFFF"
    u"轢轣轤辜辟辣辭辯辷迚迥迢迪迯邇迴"
    u"逅迹迺逑逕逡逍逞逖逋逧逶逵逹迸遏"
    u"遐遑遒逎遉逾遖遘遞遨遯遶隨遲邂遽"
    u"邁邀邊邉邏邨邯邱邵郢郤扈郛鄂鄒鄙"
    u"鄲鄰酊酖酘酣酥酩酳酲醋醉醂醢醫醯"
    u"醪醵醴醺釀釁釉釋釐釖釟釡釛釼釵釶"
    u"鈞釿鈔鈬鈕鈑鉞鉗鉅鉉鉤鉈銕鈿鉋鉐"
    u"銜銖銓銛鉚鋏銹銷鋩錏鋺鍄錮\uFFFF\uFFFF",
    // 0xE8
    u"錙錢錚錣錺錵錻鍜鍠鍼鍮鍖鎰鎬鎭鎔"
    u"鎹鏖鏗鏨鏥鏘鏃鏝鏐鏈鏤鐚鐔鐓鐃鐇"
    u"鐐鐶鐫鐵鐡鐺鑁鑒鑄鑛鑠鑢鑞鑪鈩鑰"
    u"鑵鑷鑽鑚鑼鑾钁鑿閂閇閊閔閖閘閙\uFFFF"
    u"閠閨閧閭閼閻閹閾闊濶闃闍闌闕闔闖"
    u"關闡闥闢阡阨阮阯陂陌陏陋陷陜陞陝"
    u"陟陦陲陬隍隘隕隗險隧隱隲隰隴隶隸"
    u"隹雎雋雉雍襍雜霍雕雹霄霆霈霓霎霑"
    u"霏霖霙霤霪霰霹霽霾靄靆靈靂靉靜靠"
    u"靤靦靨勒靫靱靹鞅靼鞁靺鞆鞋鞏鞐鞜"
    u"鞨鞦鞣鞳鞴韃韆韈韋韜韭齏韲竟韶韵"
    u"頏頌頸頤頡頷頽顆顏顋顫顯顰\uFFFF\uFFFF",
    // 0xE9
    u"顱顴顳颪颯颱颶飄飃飆飩飫餃餉餒餔"
    u"餘餡餝餞餤餠餬餮餽餾饂饉饅饐饋饑"
    u"饒饌饕馗馘馥馭馮馼駟駛駝駘駑駭駮"
    u"駱駲駻駸騁騏騅駢騙騫騷驅驂驀驃\uFFFF"
    u"騾驕驍驛驗驟驢驥驤驩驫驪骭骰骼髀"
    u"髏髑髓體髞髟髢髣髦髯髫髮髴髱髷髻"
    u"鬆鬘鬚鬟鬢鬣鬥鬧鬨鬩鬪鬮鬯鬲魄魃"
    u"魏魍魎魑魘魴鮓鮃鮑鮖鮗鮟鮠鮨鮴鯀"
    u"鯊鮹鯆鯏鯑鯒鯣鯢鯤鯔鯡鰺鯲鯱鯰鰕"
    u"鰔鰉鰓鰌鰆鰈鰒鰊鰄鰮鰛鰥鰤鰡鰰鱇"
    u"鰲鱆鰾鱚鱠鱧鱶鱸鳧鳬鳰鴉鴈鳫鴃鴆"
    u"鴪鴦鶯鴣鴟鵄鴕鴒鵁鴿鴾鵆鵈\uFFFF\uFFFF",
    // 0xEA
    u"鵝鵞鵤鵑鵐鵙鵲鶉鶇鶫鵯鵺鶚鶤鶩鶲"
    u"鷄鷁鶻鶸鶺鷆鷏鷂鷙鷓鷸鷦鷭鷯鷽鸚"
    u"鸛鸞鹵鹹鹽麁麈麋麌麒麕麑麝麥麩麸"
    u"麪麭靡黌黎黏黐黔黜點黝黠黥黨黯\uFFFF"
    u"黴黶黷黹黻黼黽鼇鼈皷鼕鼡鼬鼾齊齒"
    u"齔齣齟齠齡齦齧齬齪齷齲齶龕龜龠堯"
    u"槇遙瑤凜熙\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    // 0xFA
    u"ⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF￤＇＂\uFFFF\uFFFF\uFFFF\uFFFF纊褜鍈銈"
    u"蓜俉炻昱棈鋹曻彅丨仡仼伀伃伹佖侒"
    u"侊侚侔俍偀倢俿倞偆偰偂傔僴僘兊\uFFFF"
    u"兤冝冾凬刕劜劦勀勛匀匇匤卲厓厲叝"
    u"﨎咜咊咩哿喆坙坥垬埈埇﨏\uFA10增墲夋"
    u"奓奛奝奣妤妺孖寀甯寘寬尞岦岺峵崧"
    u"嵓﨑嵂嵭嶸嶹巐弡弴彧德忞恝悅悊惞"
    u"惕愠惲愑愷愰憘戓抦揵摠撝擎敎昀昕"
    u"昻昉昮昞昤晥晗晙\uFA12晳暙暠暲暿曺朎"
    u"\uF929杦枻桒柀栁桄棏﨓楨﨔榘槢樰橫橆"
    u"橳橾櫢櫤毖氿汜沆汯泚洄涇浯\uFFFF\uFFFF",
    // 0xFB
    u"涖涬淏淸淲淼渹湜渧渼溿澈澵濵瀅瀇"
    u"瀨炅炫焏焄煜煆煇\uFA15燁燾犱犾猤\uFA16獷"
    u"玽珉珖珣珒琇珵琦琪琩琮瑢璉璟甁畯"
    u"皂皜皞皛皦\uFA17睆劯砡硎硤硺礰\uFA18\uFA19\uFFFF"
    u"\uFA1A禔\uFA1B禛竑竧\uFA1C竫箞\uFA1D絈絜綷綠緖繒"
    u"罇羡\uFA1E茁荢荿菇菶葈蒴蕓蕙蕫﨟薰\uFA20"
    u"﨡蠇裵訒訷詹誧誾諟\uFA22諶譓譿賰賴贒"
    u"赶﨣軏﨤\uFA25遧郞\uFA26鄕鄧釚釗釞釭釮釤"
    u"釥鈆鈐鈊鈺鉀鈼鉎鉙鉑鈹鉧銧鉷鉸鋧"
    u"鋗鋙鋐﨧鋕鋠鋓錥錡鋻﨨錞鋿錝錂鍰"
    u"鍗鎤鏆鏞鏸鐱鑅鑈閒\uF9DC﨩隝隯霳霻靃"
    u"靍靏靑靕顗顥\uFA2A\uFA2B餧\uFA2C馞驎髙\uFFFF\uFFFF",
    // 0xFC
    u"髜魵魲鮏鮱鮻鰀鵰鵫\uFA2D鸙黑\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    {},
    {},
    {},
}};

// Windows-936: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper936 =
    u"€\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-936: for each lead byte from 0x80 to 0xFF, its trail bytes 0x40 to 0xFE.
constexpr std::array<std::u16string_view, 128> pairs936 = {{
    {},
    // 0x81
    u"丂丄丅丆丏丒丗丟丠両丣並丩丮丯丱"
    u"丳丵丷丼乀乁乂乄乆乊乑乕乗乚乛乢"
    u"乣乤乥乧乨乪乫乬乭乮乯乲乴乵乶乷"
    u"乸乹乺乻乼乽乿亀亁亂亃亄亅亇亊\uFFFF"
    u"亐亖亗亙亜亝亞亣亪亯亰亱亴亶亷亸"
    u"亹亼亽亾仈仌仏仐仒仚仛仜仠仢仦仧"
    u"仩仭仮仯仱仴仸仹仺仼仾伀伂伃伄伅"
    u"伆伇伈伋伌伒伓伔伕伖伜伝伡伣伨伩"
    u"伬伭伮伱伳伵伷伹伻伾伿佀佁佂佄佅"
    u"佇佈佉佊佋佌佒佔佖佡佢佦佨佪佫佭"
    u"佮佱佲併佷佸佹佺佽侀侁侂侅來侇侊"
    u"侌侎侐侒侓侕侖侘侙侚侜侞侟価侢",
    // 0x82
    u"侤侫侭侰侱侲侳侴侶侷侸侹侺侻侼侽"
    u"侾俀俁係俆俇俈俉俋俌俍俒俓俔俕俖"
    u"俙俛俠俢俤俥俧俫俬俰俲俴俵俶俷俹"
    u"俻俼俽俿倀倁倂倃倄倅倆倇倈倉倊\uFFFF"
    u"個倎倐們倓倕倖倗倛倝倞倠倢倣値倧"
    u"倫倯倰倱倲倳倴倵倶倷倸倹倻倽倿偀"
    u"偁偂偄偅偆偉偊偋偍偐偑偒偓偔偖偗"
    u"偘偙偛偝偞偟偠偡偢偣偤偦偧偨偩偪"
    u"偫偭偮偯偰偱偲偳側偵偸偹偺偼偽傁"
    u"傂傃傄傆傇傉傊傋傌傎傏傐傑傒傓傔"
    u"傕傖傗傘備傚傛傜傝傞傟傠傡傢傤傦"
    u"傪傫傭傮傯傰傱傳傴債傶傷傸傹傼",
    // 0x83
    u"傽傾傿僀僁僂僃僄僅僆僇僈僉僊僋僌"
    u"働僎僐僑僒僓僔僕僗僘僙僛僜僝僞僟"
    u"僠僡僢僣僤僥僨僩僪僫僯僰僱僲僴僶"
    u"僷僸價僺僼僽僾僿儀儁儂儃億儅儈\uFFFF"
    u"儉儊儌儍儎儏儐儑儓儔儕儖儗儘儙儚"
    u"儛儜儝儞償儠儢儣儤儥儦儧儨儩優儫"
    u"儬儭儮儯儰儱儲儳儴儵儶儷儸儹儺儻"
    u"儼儽儾兂兇兊兌兎兏児兒兓兗兘兙兛"
    u"兝兞兟兠兡兣兤兦內兩兪兯兲兺兾兿"
    u"冃冄円冇冊冋冎冏冐冑冓冔冘冚冝冞"
    u"冟冡冣冦冧冨冩冪冭冮冴冸冹冺冾冿"
    u"凁凂凃凅凈凊凍凎凐凒凓凔凕凖凗",
    // 0x84
    u"凘凙凚凜凞凟凢凣凥処凧凨凩凪凬凮"
    u"凱凲凴凷凾刄刅刉刋刌刏刐刓刔刕刜"
    u"刞刟刡刢刣別刦刧刪刬刯刱刲刴刵刼"
    u"刾剄剅剆則剈剉剋剎剏剒剓剕剗剘\uFFFF"
    u"剙剚剛剝剟剠剢剣剤剦剨剫剬剭剮剰"
    u"剱剳剴創剶剷剸剹剺剻剼剾劀劃劄劅"
    u"劆劇劉劊劋劌劍劎劏劑劒劔劕劖劗劘"
    u"劙劚劜劤劥劦劧劮劯劰労劵劶劷劸効"
    u"劺劻劼劽勀勁勂勄勅勆勈勊勌勍勎勏"
    u"勑勓勔動勗務勚勛勜勝勞勠勡勢勣勥"
    u"勦勧勨勩勪勫勬勭勮勯勱勲勳勴勵勶"
    u"勷勸勻勼勽匁匂匃匄匇匉匊匋匌匎",
    // 0x85
    u"匑匒匓匔匘匛匜匞匟匢匤匥匧匨匩匫"
    u"匬匭匯匰匱匲匳匴匵匶匷匸匼匽區卂"
    u"卄卆卋卌卍卐協単卙卛卝卥卨卪卬卭"
    u"卲卶卹卻卼卽卾厀厁厃厇厈厊厎厏\uFFFF"
    u"厐厑厒厓厔厖厗厙厛厜厞厠厡厤厧厪"
    u"厫厬厭厯厰厱厲厳厴厵厷厸厹厺厼厽"
    u"厾叀參叄叅叆叇収叏叐叒叓叕叚叜叝"
    u"叞叡叢叧叴叺叾叿吀吂吅吇吋吔吘吙"
    u"吚吜吢吤吥吪吰吳吶吷吺吽吿呁呂呄"
    u"呅呇呉呌呍呎呏呑呚呝呞呟呠呡呣呥"
    u"呧呩呪呫呬呭呮呯呰呴呹呺呾呿咁咃"
    u"咅咇咈咉咊咍咑咓咗咘咜咞咟咠咡",
    // 0x86
    u"咢咥咮咰咲咵咶咷咹咺咼咾哃哅哊哋"
    u"哖哘哛哠員哢哣哤哫哬哯哰哱哴哵哶"
    u"哷哸哹哻哾唀唂唃唄唅唈唊唋唌唍唎"
    u"唒唓唕唖唗唘唙唚唜唝唞唟唡唥唦\uFFFF"
    u"唨唩唫唭唲唴唵唶唸唹唺唻唽啀啂啅"
    u"啇啈啋啌啍啎問啑啒啓啔啗啘啙啚啛"
    u"啝啞啟啠啢啣啨啩啫啯啰啱啲啳啴啹"
    u"啺啽啿喅喆喌喍喎喐喒喓喕喖喗喚喛"
    u"喞喠喡喢喣喤喥喦喨喩喪喫喬喭單喯"
    u"喰喲喴営喸喺喼喿嗀嗁嗂嗃嗆嗇嗈嗊"
    u"嗋嗎嗏嗐嗕嗗嗘嗙嗚嗛嗞嗠嗢嗧嗩嗭"
    u"嗮嗰嗱嗴嗶嗸嗹嗺嗻嗼嗿嘂嘃嘄嘅",
    // 0x87
    u"嘆嘇嘊嘋嘍嘐嘑嘒嘓嘔嘕嘖嘗嘙嘚嘜"
    u"嘝嘠嘡嘢嘥嘦嘨嘩嘪嘫嘮嘯嘰嘳嘵嘷"
    u"嘸嘺嘼嘽嘾噀噁噂噃噄噅噆噇噈噉噊"
    u"噋噏噐噑噒噓噕噖噚噛噝噞噟噠噡\uFFFF"
    u"噣噥噦噧噭噮噯噰噲噳噴噵噷噸噹噺"
    u"噽噾噿嚀嚁嚂嚃嚄嚇嚈嚉嚊嚋嚌嚍嚐"
    u"嚑嚒嚔嚕嚖嚗嚘嚙嚚嚛嚜嚝嚞嚟嚠嚡"
    u"嚢嚤嚥嚦嚧嚨嚩嚪嚫嚬嚭嚮嚰嚱嚲嚳"
    u"嚴嚵嚶嚸嚹嚺嚻嚽嚾嚿囀囁囂囃囄囅"
    u"囆囇囈囉囋囌囍囎囏囐囑囒囓囕囖囘"
    u"囙囜団囥囦囧囨囩囪囬囮囯囲図囶囷"
    u"囸囻囼圀圁圂圅圇國圌圍圎圏圐圑",
    // 0x88
    u"園圓圔圕圖圗團圙圚圛圝圞圠圡圢圤"
    u"圥圦圧圫圱圲圴圵圶圷圸圼圽圿坁坃"
    u"坄坅坆坈坉坋坒坓坔坕坖坘坙坢坣坥"
    u"坧坬坮坰坱坲坴坵坸坹坺坽坾坿垀\uFFFF"
    u"垁垇垈垉垊垍垎垏垐垑垔垕垖垗垘垙"
    u"垚垜垝垞垟垥垨垪垬垯垰垱垳垵垶垷"
    u"垹垺垻垼垽垾垿埀埁埄埅埆埇埈埉埊"
    u"埌埍埐埑埓埖埗埛埜埞埡埢埣埥埦埧"
    u"埨埩埪埫埬埮埰埱埲埳埵埶執埻埼埾"
    u"埿堁堃堄堅堈堉堊堌堎堏堐堒堓堔堖"
    u"堗堘堚堛堜堝堟堢堣堥堦堧堨堩堫堬"
    u"堭堮堯報堲堳場堶堷堸堹堺堻堼堽",
    // 0x89
    u"堾堿塀塁塂塃塅塆塇塈塉塊塋塎塏塐"
    u"塒塓塕塖塗塙塚塛塜塝塟塠塡塢塣塤"
    u"塦塧塨塩塪塭塮塯塰塱塲塳塴塵塶塷"
    u"塸塹塺塻塼塽塿墂墄墆墇墈墊墋墌\uFFFF"
    u"墍墎墏墐墑墔墕墖増墘墛墜墝墠墡墢"
    u"墣墤墥墦墧墪墫墬墭墮墯墰墱墲墳墴"
    u"墵墶墷墸墹墺墻墽墾墿壀壂壃壄壆壇"
    u"壈壉壊壋壌壍壎壏壐壒壓壔壖壗壘壙"
    u"壚壛壜壝壞壟壠壡壢壣壥壦壧壨壩壪"
    u"壭壯壱売壴壵壷壸壺壻壼壽壾壿夀夁"
    u"夃夅夆夈変夊夋夌夎夐夑夒夓夗夘夛"
    u"夝夞夠夡夢夣夦夨夬夰夲夳夵夶夻",
    // 0x8A
    u"夽夾夿奀奃奅奆奊奌奍奐奒奓奙奛奜"
    u"奝奞奟奡奣奤奦奧奨奩奪奫奬奭奮奯"
    u"奰奱奲奵奷奺奻奼奾奿妀妅妉妋妌妎"
    u"妏妐妑妔妕妘妚妛妜妝妟妠妡妢妦\uFFFF"
    u"妧妬妭妰妱妳妴妵妶妷妸妺妼妽妿姀"
    u"姁姂姃姄姅姇姈姉姌姍姎姏姕姖姙姛"
    u"姞姟姠姡姢姤姦姧姩姪姫姭姮姯姰姱"
    u"姲姳姴姵姶姷姸姺姼姽姾娀娂娊娋娍"
    u"娎娏娐娒娔娕娖娗娙娚娛娝娞娡娢娤"
    u"娦娧娨娪娫娬娭娮娯娰娳娵娷娸娹娺"
    u"娻娽娾娿婁婂婃婄婅婇婈婋婌婍婎婏"
    u"婐婑婒婓婔婖婗婘婙婛婜婝婞婟婠",
    // 0x8B
    u"婡婣婤婥婦婨婩婫婬婭婮婯婰婱婲婳"
    u"婸婹婻婼婽婾媀媁媂媃媄媅媆媇媈媉"
    u"媊媋媌媍媎媏媐媑媓媔媕媖媗媘媙媜"
    u"媝媞媟媠媡媢媣媤媥媦媧媨媩媫媬\uFFFF"
    u"媭媮媯媰媱媴媶媷媹媺媻媼媽媿嫀嫃"
    u"嫄嫅嫆嫇嫈嫊嫋嫍嫎嫏嫐嫑嫓嫕嫗嫙"
    u"嫚嫛嫝嫞嫟嫢嫤嫥嫧嫨嫪嫬嫭嫮嫯嫰"
    u"嫲嫳嫴嫵嫶嫷嫸嫹嫺嫻嫼嫽嫾嫿嬀嬁"
    u"嬂嬃嬄嬅嬆嬇嬈嬊嬋嬌嬍嬎嬏嬐嬑嬒"
    u"嬓嬔嬕嬘嬙嬚嬛嬜嬝嬞嬟嬠嬡嬢嬣嬤"
    u"嬥嬦嬧嬨嬩嬪嬫嬬嬭嬮嬯嬰嬱嬳嬵嬶"
    u"嬸嬹嬺嬻嬼嬽嬾嬿孁孂孃孄孅孆孇",
    // 0x8C
    u"孈孉孊孋孌孍孎孏孒孖孞孠孡孧孨孫"
    u"孭孮孯孲孴孶孷學孹孻孼孾孿宂宆宊"
    u"宍宎宐宑宒宔宖実宧宨宩宬宭宮宯宱"
    u"宲宷宺宻宼寀寁寃寈寉寊寋寍寎寏\uFFFF"
    u"寑寔寕寖寗寘寙寚寛寜寠寢寣實寧審"
    u"寪寫寬寭寯寱寲寳寴寵寶寷寽対尀専"
    u"尃尅將專尋尌對導尐尒尓尗尙尛尞尟"
    u"尠尡尣尦尨尩尪尫尭尮尯尰尲尳尵尶"
    u"尷屃屄屆屇屌屍屒屓屔屖屗屘屚屛屜"
    u"屝屟屢層屧屨屩屪屫屬屭屰屲屳屴屵"
    u"屶屷屸屻屼屽屾岀岃岄岅岆岇岉岊岋"
    u"岎岏岒岓岕岝岞岟岠岡岤岥岦岧岨",
    // 0x8D
    u"岪岮岯岰岲岴岶岹岺岻岼岾峀峂峃峅"
    u"峆峇峈峉峊峌峍峎峏峐峑峓峔峕峖峗"
    u"峘峚峛峜峝峞峟峠峢峣峧峩峫峬峮峯"
    u"峱峲峳峴峵島峷峸峹峺峼峽峾峿崀\uFFFF"
    u"崁崄崅崈崉崊崋崌崍崏崐崑崒崓崕崗"
    u"崘崙崚崜崝崟崠崡崢崣崥崨崪崫崬崯"
    u"崰崱崲崳崵崶崷崸崹崺崻崼崿嵀嵁嵂"
    u"嵃嵄嵅嵆嵈嵉嵍嵎嵏嵐嵑嵒嵓嵔嵕嵖"
    u"嵗嵙嵚嵜嵞嵟嵠嵡嵢嵣嵤嵥嵦嵧嵨嵪"
    u"嵭嵮嵰嵱嵲嵳嵵嵶嵷嵸嵹嵺嵻嵼嵽嵾"
    u"嵿嶀嶁嶃嶄嶅嶆嶇嶈嶉嶊嶋嶌嶍嶎嶏"
    u"嶐嶑嶒嶓嶔嶕嶖嶗嶘嶚嶛嶜嶞嶟嶠",
    // 0x8E
    u"嶡嶢嶣嶤嶥嶦嶧嶨嶩嶪嶫嶬嶭嶮嶯嶰"
    u"嶱嶲嶳嶴嶵嶶嶸嶹嶺嶻嶼嶽嶾嶿巀巁"
    u"巂巃巄巆巇巈巉巊巋巌巎巏巐巑巒巓"
    u"巔巕巖巗巘巙巚巜巟巠巣巤巪巬巭\uFFFF"
    u"巰巵巶巸巹巺巻巼巿帀帄帇帉帊帋帍"
    u"帎帒帓帗帞帟帠帡帢帣帤帥帨帩帪師"
    u"帬帯帰帲帳帴帵帶帹帺帾帿幀幁幃幆"
    u"幇幈幉幊幋幍幎幏幐幑幒幓幖幗幘幙"
    u"幚幜幝幟幠幣幤幥幦幧幨幩幪幫幬幭"
    u"幮幯幰幱幵幷幹幾庁庂広庅庈庉庌庍"
    u"庎庒庘庛庝庡庢庣庤庨庩庪庫庬庮庯"
    u"庰庱庲庴庺庻庼庽庿廀廁廂廃廄廅",
    // 0x8F
    u"廆廇廈廋廌廍廎廏廐廔廕廗廘廙廚廜"
    u"廝廞廟廠廡廢廣廤廥廦廧廩廫廬廭廮"
    u"廯廰廱廲廳廵廸廹廻廼廽弅弆弇弉弌"
    u"弍弎弐弒弔弖弙弚弜弝弞弡弢弣弤\uFFFF"
    u"弨弫弬弮弰弲弳弴張弶強弸弻弽弾弿"
    u"彁彂彃彄彅彆彇彈彉彊彋彌彍彎彏彑"
    u"彔彙彚彛彜彞彟彠彣彥彧彨彫彮彯彲"
    u"彴彵彶彸彺彽彾彿徃徆徍徎徏徑従徔"
    u"徖徚徛徝從徟徠徢徣徤徥徦徧復徫徬"
    u"徯徰徱徲徳徴徶徸徹徺徻徾徿忀忁忂"
    u"忇忈忊忋忎忓忔忕忚忛応忞忟忢忣忥"
    u"忦忨忩忬忯忰忲忳忴忶忷忹忺忼怇",
    // 0x90
    u"怈怉怋怌怐怑怓怗怘怚怞怟怢怣怤怬"
    u"怭怮怰怱怲怳怴怶怷怸怹怺怽怾恀恄"
    u"恅恆恇恈恉恊恌恎恏恑恓恔恖恗恘恛"
    u"恜恞恟恠恡恥恦恮恱恲恴恵恷恾悀\uFFFF"
    u"悁悂悅悆悇悈悊悋悎悏悐悑悓悕悗悘"
    u"悙悜悞悡悢悤悥悧悩悪悮悰悳悵悶悷"
    u"悹悺悽悾悿惀惁惂惃惄惇惈惉惌惍惎"
    u"惏惐惒惓惔惖惗惙惛惞惡惢惣惤惥惪"
    u"惱惲惵惷惸惻惼惽惾惿愂愃愄愅愇愊"
    u"愋愌愐愑愒愓愔愖愗愘愙愛愜愝愞愡"
    u"愢愥愨愩愪愬愭愮愯愰愱愲愳愴愵愶"
    u"愷愸愹愺愻愼愽愾慀慁慂慃慄慅慆",
    // 0x91
    u"慇慉態慍慏慐慒慓慔慖慗慘慙慚慛慜"
    u"慞慟慠慡慣慤慥慦慩慪慫慬慭慮慯慱"
    u"慲慳慴慶慸慹慺慻慼慽慾慿憀憁憂憃"
    u"憄憅憆憇憈憉憊憌憍憏憐憑憒憓憕\uFFFF"
    u"憖憗憘憙憚憛憜憞憟憠憡憢憣憤憥憦"
    u"憪憫憭憮憯憰憱憲憳憴憵憶憸憹憺憻"
    u"憼憽憿懀懁懃懄懅懆懇應懌懍懎懏懐"
    u"懓懕懖懗懘懙懚懛懜懝懞懟懠懡懢懣"
    u"懤懥懧懨懩懪懫懬懭懮懯懰懱懲懳懴"
    u"懶懷懸懹懺懻懼懽懾戀戁戂戃戄戅戇"
    u"戉戓戔戙戜戝戞戠戣戦戧戨戩戫戭戯"
    u"戰戱戲戵戶戸戹戺戻戼扂扄扅扆扊",
    // 0x92
    u"扏扐払扖扗扙扚扜扝扞扟扠扡扢扤扥"
    u"扨扱扲扴扵扷扸扺扻扽抁抂抃抅抆抇"
    u"抈抋抌抍抎抏抐抔抙抜抝択抣抦抧抩"
    u"抪抭抮抯抰抲抳抴抶抷抸抺抾拀拁\uFFFF"
    u"拃拋拏拑拕拝拞拠拡拤拪拫拰拲拵拸"
    u"拹拺拻挀挃挄挅挆挊挋挌挍挏挐挒挓"
    u"挔挕挗挘挙挜挦挧挩挬挭挮挰挱挳挴"
    u"挵挶挷挸挻挼挾挿捀捁捄捇捈捊捑捒"
    u"捓捔捖捗捘捙捚捛捜捝捠捤捥捦捨捪"
    u"捫捬捯捰捲捳捴捵捸捹捼捽捾捿掁掃"
    u"掄掅掆掋掍掑掓掔掕掗掙掚掛掜掝掞"
    u"掟採掤掦掫掯掱掲掵掶掹掻掽掿揀",
    // 0x93
    u"揁揂揃揅揇揈揊揋揌揑揓揔揕揗揘揙"
    u"揚換揜揝揟揢揤揥揦揧揨揫揬揮揯揰"
    u"揱揳揵揷揹揺揻揼揾搃搄搆搇搈搉搊"
    u"損搎搑搒搕搖搗搘搙搚搝搟搢搣搤\uFFFF"
    u"搥搧搨搩搫搮搯搰搱搲搳搵搶搷搸搹"
    u"搻搼搾摀摂摃摉摋摌摍摎摏摐摑摓摕"
    u"摖摗摙摚摛摜摝摟摠摡摢摣摤摥摦摨"
    u"摪摫摬摮摯摰摱摲摳摴摵摶摷摻摼摽"
    u"摾摿撀撁撃撆撈撉撊撋撌撍撎撏撐撓"
    u"撔撗撘撚撛撜撝撟撠撡撢撣撥撦撧撨"
    u"撪撫撯撱撲撳撴撶撹撻撽撾撿擁擃擄"
    u"擆擇擈擉擊擋擌擏擑擓擔擕擖擙據",
    // 0x94
    u"擛擜擝擟擠擡擣擥擧擨擩擪擫擬擭擮"
    u"擯擰擱擲擳擴擵擶擷擸擹擺擻擼擽擾"
    u"擿攁攂攃攄攅攆攇攈攊攋攌攍攎攏攐"
    u"攑攓攔攕攖攗攙攚攛攜攝攞攟攠攡\uFFFF"
    u"攢攣攤攦攧攨攩攪攬攭攰攱攲攳攷攺"
    u"攼攽敀敁敂敃敄敆敇敊敋敍敎敐敒敓"
    u"敔敗敘敚敜敟敠敡敤敥敧敨敩敪敭敮"
    u"敯敱敳敵敶數敹敺敻敼敽敾敿斀斁斂"
    u"斃斄斅斆斈斉斊斍斎斏斒斔斕斖斘斚"
    u"斝斞斠斢斣斦斨斪斬斮斱斲斳斴斵斶"
    u"斷斸斺斻斾斿旀旂旇旈旉旊旍旐旑旓"
    u"旔旕旘旙旚旛旜旝旞旟旡旣旤旪旫",
    // 0x95
    u"旲旳旴旵旸旹旻旼旽旾旿昁昄昅昇昈"
    u"昉昋昍昐昑昒昖昗昘昚昛昜昞昡昢昣"
    u"昤昦昩昪昫昬昮昰昲昳昷昸昹昺昻昽"
    u"昿晀時晄晅晆晇晈晉晊晍晎晐晑晘\uFFFF"
    u"晙晛晜晝晞晠晢晣晥晧晩晪晫晬晭晱"
    u"晲晳晵晸晹晻晼晽晿暀暁暃暅暆暈暉"
    u"暊暋暍暎暏暐暒暓暔暕暘暙暚暛暜暞"
    u"暟暠暡暢暣暤暥暦暩暪暫暬暭暯暰暱"
    u"暲暳暵暶暷暸暺暻暼暽暿曀曁曂曃曄"
    u"曅曆曇曈曉曊曋曌曍曎曏曐曑曒曓曔"
    u"曕曖曗曘曚曞曟曠曡曢曣曤曥曧曨曪"
    u"曫曬曭曮曯曱曵曶書曺曻曽朁朂會",
    // 0x96
    u"朄朅朆朇朌朎朏朑朒朓朖朘朙朚朜朞"
    u"朠朡朢朣朤朥朧朩朮朰朲朳朶朷朸朹"
    u"朻朼朾朿杁杄杅杇杊杋杍杒杔杕杗杘"
    u"杙杚杛杝杢杣杤杦杧杫杬杮東杴杶\uFFFF"
    u"杸杹杺杻杽枀枂枃枅枆枈枊枌枍枎枏"
    u"枑枒枓枔枖枙枛枟枠枡枤枦枩枬枮枱"
    u"枲枴枹枺枻枼枽枾枿柀柂柅柆柇柈柉"
    u"柊柋柌柍柎柕柖柗柛柟柡柣柤柦柧柨"
    u"柪柫柭柮柲柵柶柷柸柹柺査柼柾栁栂"
    u"栃栄栆栍栐栒栔栕栘栙栚栛栜栞栟栠"
    u"栢栣栤栥栦栧栨栫栬栭栮栯栰栱栴栵"
    u"栶栺栻栿桇桋桍桏桒桖桗桘桙桚桛",
    // 0x97
    u"桜桝桞桟桪桬桭桮桯桰桱桲桳桵桸桹"
    u"桺桻桼桽桾桿梀梂梄梇梈梉梊梋梌梍"
    u"梎梐梑梒梔梕梖梘梙梚梛梜條梞梟梠"
    u"梡梣梤梥梩梪梫梬梮梱梲梴梶梷梸\uFFFF"
    u"梹梺梻梼梽梾梿棁棃棄棅棆棇棈棊棌"
    u"棎棏棐棑棓棔棖棗棙棛棜棝棞棟棡棢"
    u"棤棥棦棧棨棩棪棫棬棭棯棲棳棴棶棷"
    u"棸棻棽棾棿椀椂椃椄椆椇椈椉椊椌椏"
    u"椑椓椔椕椖椗椘椙椚椛検椝椞椡椢椣"
    u"椥椦椧椨椩椪椫椬椮椯椱椲椳椵椶椷"
    u"椸椺椻椼椾楀楁楃楄楅楆楇楈楉楊楋"
    u"楌楍楎楏楐楑楒楓楕楖楘楙楛楜楟",
    // 0x98
    u"楡楢楤楥楧楨楩楪楬業楯楰楲楳楴極"
    u"楶楺楻楽楾楿榁榃榅榊榋榌榎榏榐榑"
    u"榒榓榖榗榙榚榝榞榟榠榡榢榣榤榥榦"
    u"榩榪榬榮榯榰榲榳榵榶榸榹榺榼榽\uFFFF"
    u"榾榿槀槂槃槄槅槆槇槈槉構槍槏槑槒"
    u"槓槕槖槗様槙槚槜槝槞槡槢槣槤槥槦"
    u"槧槨槩槪槫槬槮槯槰槱槳槴槵槶槷槸"
    u"槹槺槻槼槾樀樁樂樃樄樅樆樇樈樉樋"
    u"樌樍樎樏樐樑樒樓樔樕樖標樚樛樜樝"
    u"樞樠樢樣樤樥樦樧権樫樬樭樮樰樲樳"
    u"樴樶樷樸樹樺樻樼樿橀橁橂橃橅橆橈"
    u"橉橊橋橌橍橎橏橑橒橓橔橕橖橗橚",
    // 0x99
    u"橜橝橞機橠橢橣橤橦橧橨橩橪橫橬橭"
    u"橮橯橰橲橳橴橵橶橷橸橺橻橽橾橿檁"
    u"檂檃檅檆檇檈檉檊檋檌檍檏檒檓檔檕"
    u"檖檘檙檚檛檜檝檞檟檡檢檣檤檥檦\uFFFF"
    u"檧檨檪檭檮檯檰檱檲檳檴檵檶檷檸檹"
    u"檺檻檼檽檾檿櫀櫁櫂櫃櫄櫅櫆櫇櫈櫉"
    u"櫊櫋櫌櫍櫎櫏櫐櫑櫒櫓櫔櫕櫖櫗櫘櫙"
    u"櫚櫛櫜櫝櫞櫟櫠櫡櫢櫣櫤櫥櫦櫧櫨櫩"
    u"櫪櫫櫬櫭櫮櫯櫰櫱櫲櫳櫴櫵櫶櫷櫸櫹"
    u"櫺櫻櫼櫽櫾櫿欀欁欂欃欄欅欆欇欈欉"
    u"權欋欌欍欎欏欐欑欒欓欔欕欖欗欘欙"
    u"欚欛欜欝欞欟欥欦欨欩欪欫欬欭欮",
    // 0x9A
    u"欯欰欱欳欴欵欶欸欻欼欽欿歀歁歂歄"
    u"歅歈歊歋歍歎歏歐歑歒歓歔歕歖歗歘"
    u"歚歛歜歝歞歟歠歡歨歩歫歬歭歮歯歰"
    u"歱歲歳歴歵歶歷歸歺歽歾歿殀殅殈\uFFFF"
    u"殌殎殏殐殑殔殕殗殘殙殜殝殞殟殠殢"
    u"殣殤殥殦殧殨殩殫殬殭殮殯殰殱殲殶"
    u"殸殹殺殻殼殽殾毀毃毄毆毇毈毉毊毌"
    u"毎毐毑毘毚毜毝毞毟毠毢毣毤毥毦毧"
    u"毨毩毬毭毮毰毱毲毴毶毷毸毺毻毼毾"
    u"毿氀氁氂氃氄氈氉氊氋氌氎氒気氜氝"
    u"氞氠氣氥氫氬氭氱氳氶氷氹氺氻氼氾"
    u"氿汃汄汅汈汋汌汍汎汏汑汒汓汖汘",
    // 0x9B
    u"汙汚汢汣汥汦汧汫汬汭汮汯汱汳汵汷"
    u"汸決汻汼汿沀沄沇沊沋沍沎沑沒沕沖"
    u"沗沘沚沜沝沞沠沢沨沬沯沰沴沵沶沷"
    u"沺泀況泂泃泆泇泈泋泍泎泏泑泒泘\uFFFF"
    u"泙泚泜泝泟泤泦泧泩泬泭泲泴泹泿洀"
    u"洂洃洅洆洈洉洊洍洏洐洑洓洔洕洖洘"
    u"洜洝洟洠洡洢洣洤洦洨洩洬洭洯洰洴"
    u"洶洷洸洺洿浀浂浄浉浌浐浕浖浗浘浛"
    u"浝浟浡浢浤浥浧浨浫浬浭浰浱浲浳浵"
    u"浶浹浺浻浽浾浿涀涁涃涄涆涇涊涋涍"
    u"涏涐涒涖涗涘涙涚涜涢涥涬涭涰涱涳"
    u"涴涶涷涹涺涻涼涽涾淁淂淃淈淉淊",
    // 0x9C
    u"淍淎淏淐淒淓淔淕淗淚淛淜淟淢淣淥"
    u"淧淨淩淪淭淯淰淲淴淵淶淸淺淽淾淿"
    u"渀渁渂渃渄渆渇済渉渋渏渒渓渕渘渙"
    u"減渜渞渟渢渦渧渨渪測渮渰渱渳渵\uFFFF"
    u"渶渷渹渻渼渽渾渿湀湁湂湅湆湇湈湉"
    u"湊湋湌湏湐湑湒湕湗湙湚湜湝湞湠湡"
    u"湢湣湤湥湦湧湨湩湪湬湭湯湰湱湲湳"
    u"湴湵湶湷湸湹湺湻湼湽満溁溂溄溇溈"
    u"溊溋溌溍溎溑溒溓溔溕準溗溙溚溛溝"
    u"溞溠溡溣溤溦溨溩溫溬溭溮溰溳溵溸"
    u"溹溼溾溿滀滃滄滅滆滈滉滊滌滍滎滐"
    u"滒滖滘滙滛滜滝滣滧滪滫滬滭滮滯",
    // 0x9D
    u"滰滱滲滳滵滶滷滸滺滻滼滽滾滿漀漁"
    u"漃漄漅漇漈漊漋漌漍漎漐漑漒漖漗漘"
    u"漙漚漛漜漝漞漟漡漢漣漥漦漧漨漬漮"
    u"漰漲漴漵漷漸漹漺漻漼漽漿潀潁潂\uFFFF"
    u"潃潄潅潈潉潊潌潎潏潐潑潒潓潔潕潖"
    u"潗潙潚潛潝潟潠潡潣潤潥潧潨潩潪潫"
    u"潬潯潰潱潳潵潶潷潹潻潽潾潿澀澁澂"
    u"澃澅澆澇澊澋澏澐澑澒澓澔澕澖澗澘"
    u"澙澚澛澝澞澟澠澢澣澤澥澦澨澩澪澫"
    u"澬澭澮澯澰澱澲澴澵澷澸澺澻澼澽澾"
    u"澿濁濃濄濅濆濇濈濊濋濌濍濎濏濐濓"
    u"濔濕濖濗濘濙濚濛濜濝濟濢濣濤濥",
    // 0x9E
    u"濦濧濨濩濪濫濬濭濰濱濲濳濴濵濶濷"
    u"濸濹濺濻濼濽濾濿瀀瀁瀂瀃瀄瀅瀆瀇"
    u"瀈瀉瀊瀋瀌瀍瀎瀏瀐瀒瀓瀔瀕瀖瀗瀘"
    u"瀙瀜瀝瀞瀟瀠瀡瀢瀤瀥瀦瀧瀨瀩瀪\uFFFF"
    u"瀫瀬瀭瀮瀯瀰瀱瀲瀳瀴瀶瀷瀸瀺瀻瀼"
    u"瀽瀾瀿灀灁灂灃灄灅灆灇灈灉灊灋灍"
    u"灎灐灑灒灓灔灕灖灗灘灙灚灛灜灝灟"
    u"灠灡灢灣灤灥灦灧灨灩灪灮灱灲灳灴"
    u"灷灹灺灻災炁炂炃炄炆炇炈炋炌炍炏"
    u"炐炑炓炗炘炚炛炞炟炠炡炢炣炤炥炦"
    u"炧炨炩炪炰炲炴炵炶為炾炿烄烅烆烇"
    u"烉烋烌烍烎烏烐烑烒烓烔烕烖烗烚",
    // 0x9F
    u"烜烝烞烠烡烢烣烥烪烮烰烱烲烳烴烵"
    u"烶烸烺烻烼烾烿焀焁焂焃焄焅焆焇焈"
    u"焋焌焍焎焏焑焒焔焗焛焜焝焞焟焠無"
    u"焢焣焤焥焧焨焩焪焫焬焭焮焲焳焴\uFFFF"
    u"焵焷焸焹焺焻焼焽焾焿煀煁煂煃煄煆"
    u"煇煈煉煋煍煏煐煑煒煓煔煕煖煗煘煙"
    u"煚煛煝煟煠煡煢煣煥煩煪煫煬煭煯煰"
    u"煱煴煵煶煷煹煻煼煾煿熀熁熂熃熅熆"
    u"熇熈熉熋熌熍熎熐熑熒熓熕熖熗熚熛"
    u"熜熝熞熡熢熣熤熥熦熧熩熪熫熭熮熯"
    u"熰熱熲熴熶熷熸熺熻熼熽熾熿燀燁燂"
    u"燄燅燆燇燈燉燊燋燌燍燏燐燑燒燓",
    // 0xA0
    u"燖燗燘燙燚燛燜燝燞營燡燢燣燤燦燨"
    u"燩燪燫燬燭燯燰燱燲燳燴燵燶燷燸燺"
    u"燻燼燽燾燿爀爁爂爃爄爅爇爈爉爊爋"
    u"爌爍爎爏爐爑爒爓爔爕爖爗爘爙爚\uFFFF"
    u"爛爜爞爟爠爡爢爣爤爥爦爧爩爫爭爮"
    u"爯爲爳爴爺爼爾牀牁牂牃牄牅牆牉牊"
    u"牋牎牏牐牑牓牔牕牗牘牚牜牞牠牣牤"
    u"牥牨牪牫牬牭牰牱牳牴牶牷牸牻牼牽"
    u"犂犃犅犆犇犈犉犌犎犐犑犓犔犕犖犗"
    u"犘犙犚犛犜犝犞犠犡犢犣犤犥犦犧犨"
    u"犩犪犫犮犱犲犳犵犺犻犼犽犾犿狀狅"
    u"狆狇狉狊狋狌狏狑狓狔狕狖狘狚狛",
    // 0xA1
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\u3000、。·ˉˇ¨〃々—～‖…‘’"
    u"“”〔〕〈〉《》「」『』〖〗【】"
    u"±×÷∶∧∨∑∏∪∩∈∷√⊥∥∠"
    u"⌒⊙∫∮≡≌≈∽∝≠≮≯≤≥∞∵"
    u"∴♂♀°′″℃＄¤￠￡‰§№☆★"
    u"○●◎◇◆□■△▲※→←↑↓〓",
    // 0xA2
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF⒈⒉⒊⒋⒌⒍⒎⒏⒐⒑⒒⒓⒔⒕⒖"
    u"⒗⒘⒙⒚⒛⑴⑵⑶⑷⑸⑹⑺⑻⑼⑽⑾"
    u"⑿⒀⒁⒂⒃⒄⒅⒆⒇①②③④⑤⑥⑦"
    u"⑧⑨⑩\uFFFF\uFFFF㈠㈡㈢㈣㈤㈥㈦㈧㈨㈩\uFFFF"
    u"\uFFFFⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩⅪⅫ\uFFFF\uFFFF",
    // 0xA3
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF！＂＃￥％＆＇（）＊＋，－．／"
    u"０１２３４５６７８９：；＜＝＞？"
    u"＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ"
    u"ＰＱＲＳＴＵＶＷＸＹＺ［＼］＾＿"
    u"｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏ"
    u"ｐｑｒｓｔｕｖｗｘｙｚ｛｜｝￣",
    // 0xA4
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFぁあぃいぅうぇえぉおかがきぎく"
    u"ぐけげこごさざしじすずせぜそぞた"
    u"だちぢっつづてでとどなにぬねのは"
    u"ばぱひびぴふぶぷへべぺほぼぽまみ"
    u"むめもゃやゅゆょよらりるれろゎわ"
    u"ゐゑをん\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA5
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFァアィイゥウェエォオカガキギク"
    u"グケゲコゴサザシジスズセゼソゾタ"
    u"ダチヂッツヅテデトドナニヌネノハ"
    u"バパヒビピフブプヘベペホボポマミ"
    u"ムメモャヤュユョヨラリルレロヮワ"
    u"ヰヱヲンヴヵヶ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA6
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟ"
    u"ΠΡΣΤΥΦΧΨΩ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFαβγδεζηθικλμνξο"
    u"πρστυφχψω\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"︵︶︹︺︿﹀︽︾﹁﹂﹃﹄\uFFFF\uFFFF︻︼"
    u"︷︸︱\uFFFF︳︴\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA7
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFАБВГДЕЁЖЗИЙКЛМН"
    u"ОПРСТУФХЦЧШЩЪЫЬЭ"
    u"ЮЯ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFабвгдеёжзийклмн"
    u"опрстуфхцчшщъыьэ"
    u"юя\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA8
    u"ˊˋ˙–―‥‵℅℉↖↗↘↙∕∟∣"
    u"≒≦≧⊿═║╒╓╔╕╖╗╘╙╚╛"
    u"╜╝╞╟╠╡╢╣╤╥╦╧╨╩╪╫"
    u"╬╭╮╯╰╱╲╳▁▂▃▄▅▆▇\uFFFF"
    u"█▉▊▋▌▍▎▏▓▔▕▼▽◢◣◤"
    u"◥☉⊕〒〝〞\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFāáǎàēéěèīíǐìōóǒ"
    u"òūúǔùǖǘǚǜüêɑ\uFFFFńň\uFFFF"
    u"ɡ\uFFFF\uFFFF\uFFFF\uFFFFㄅㄆㄇㄈㄉㄊㄋㄌㄍㄎㄏ"
    u"ㄐㄑㄒㄓㄔㄕㄖㄗㄘㄙㄚㄛㄜㄝㄞㄟ"
    u"ㄠㄡㄢㄣㄤㄥㄦㄧㄨㄩ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA9
    u"〡〢〣〤〥〦〧〨〩㊣㎎㎏㎜㎝㎞㎡"
    u"㏄㏎㏑㏒㏕︰￢￤\uFFFF℡㈱\uFFFF‐\uFFFF\uFFFF\uFFFF"
    u"ー゛゜ヽヾ〆ゝゞ﹉﹊﹋﹌﹍﹎﹏﹐"
    u"﹑﹒﹔﹕﹖﹗﹙﹚﹛﹜﹝﹞﹟﹠﹡\uFFFF"
    u"﹢﹣﹤﹥﹦﹨﹩﹪﹫\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF〇\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF─━│┃┄┅┆┇┈┉┊┋"
    u"┌┍┎┏┐┑┒┓└┕┖┗┘┙┚┛"
    u"├┝┞┟┠┡┢┣┤┥┦┧┨┩┪┫"
    u"┬┭┮┯┰┱┲┳┴┵┶┷┸┹┺┻"
    u"┼┽┾┿╀╁╂╃╄╅╆╇╈╉╊╋"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAA
    u"狜狝狟狢狣狤狥狦狧狪狫狵狶狹狽狾"
    u"狿猀猂猄猅猆猇猈猉猋猌猍猏猐猑猒"
    u"猔猘猙猚猟猠猣猤猦猧猨猭猯猰猲猳"
    u"猵猶猺猻猼猽獀獁獂獃獄獅獆獇獈\uFFFF"
    u"獉獊獋獌獎獏獑獓獔獕獖獘獙獚獛獜"
    u"獝獞獟獡獢獣獤獥獦獧獨獩獪獫獮獰"
    u"獱\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAB
    u"獲獳獴獵獶獷獸獹獺獻獼獽獿玀玁玂"
    u"玃玅玆玈玊玌玍玏玐玒玓玔玕玗玘玙"
    u"玚玜玝玞玠玡玣玤玥玦玧玨玪玬玭玱"
    u"玴玵玶玸玹玼玽玾玿珁珃珄珅珆珇\uFFFF"
    u"珋珌珎珒珓珔珕珖珗珘珚珛珜珝珟珡"
    u"珢珣珤珦珨珪珫珬珮珯珰珱珳珴珵珶"
    u"珷\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAC
    u"珸珹珺珻珼珽現珿琀琁琂琄琇琈琋琌"
    u"琍琎琑琒琓琔琕琖琗琘琙琜琝琞琟琠"
    u"琡琣琤琧琩琫琭琯琱琲琷琸琹琺琻琽"
    u"琾琿瑀瑂瑃瑄瑅瑆瑇瑈瑉瑊瑋瑌瑍\uFFFF"
    u"瑎瑏瑐瑑瑒瑓瑔瑖瑘瑝瑠瑡瑢瑣瑤瑥"
    u"瑦瑧瑨瑩瑪瑫瑬瑮瑯瑱瑲瑳瑴瑵瑸瑹"
    u"瑺\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAD
    u"瑻瑼瑽瑿璂璄璅璆璈璉璊璌璍璏璑璒"
    u"璓璔璕璖璗璘璙璚璛璝璟璠璡璢璣璤"
    u"璥璦璪璫璬璭璮璯環璱璲璳璴璵璶璷"
    u"璸璹璻璼璽璾璿瓀瓁瓂瓃瓄瓅瓆瓇\uFFFF"
    u"瓈瓉瓊瓋瓌瓍瓎瓏瓐瓑瓓瓔瓕瓖瓗瓘"
    u"瓙瓚瓛瓝瓟瓡瓥瓧瓨瓩瓪瓫瓬瓭瓰瓱"
    u"瓲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAE
    u"瓳瓵瓸瓹瓺瓻瓼瓽瓾甀甁甂甃甅甆甇"
    u"甈甉甊甋甌甎甐甒甔甕甖甗甛甝甞甠"
    u"甡產産甤甦甧甪甮甴甶甹甼甽甿畁畂"
    u"畃畄畆畇畉畊畍畐畑畒畓畕畖畗畘\uFFFF"
    u"畝畞畟畠畡畢畣畤畧畨畩畫畬畭畮畯"
    u"異畱畳畵當畷畺畻畼畽畾疀疁疂疄疅"
    u"疇\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAF
    u"疈疉疊疌疍疎疐疓疕疘疛疜疞疢疦疧"
    u"疨疩疪疭疶疷疺疻疿痀痁痆痋痌痎痏"
    u"痐痑痓痗痙痚痜痝痟痠痡痥痩痬痭痮"
    u"痯痲痳痵痶痷痸痺痻痽痾瘂瘄瘆瘇\uFFFF"
    u"瘈瘉瘋瘍瘎瘏瘑瘒瘓瘔瘖瘚瘜瘝瘞瘡"
    u"瘣瘧瘨瘬瘮瘯瘱瘲瘶瘷瘹瘺瘻瘽癁療"
    u"癄\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xB0
    u"癅癆癇癈癉癊癋癎癏癐癑癒癓癕癗癘"
    u"癙癚癛癝癟癠癡癢癤癥癦癧癨癩癪癬"
    u"癭癮癰癱癲癳癴癵癶癷癹発發癿皀皁"
    u"皃皅皉皊皌皍皏皐皒皔皕皗皘皚皛\uFFFF"
    u"皜皝皞皟皠皡皢皣皥皦皧皨皩皪皫皬"
    u"皭皯皰皳皵皶皷皸皹皺皻皼皽皾盀盁"
    u"盃啊阿埃挨哎唉哀皑癌蔼矮艾碍爱隘"
    u"鞍氨安俺按暗岸胺案肮昂盎凹敖熬翱"
    u"袄傲奥懊澳芭捌扒叭吧笆八疤巴拔跋"
    u"靶把耙坝霸罢爸白柏百摆佰败拜稗斑"
    u"班搬扳般颁板版扮拌伴瓣半办绊邦帮"
    u"梆榜膀绑棒磅蚌镑傍谤苞胞包褒剥",
    // 0xB1
    u"盄盇盉盋盌盓盕盙盚盜盝盞盠盡盢監"
    u"盤盦盧盨盩盪盫盬盭盰盳盵盶盷盺盻"
    u"盽盿眀眂眃眅眆眊県眎眏眐眑眒眓眔"
    u"眕眖眗眘眛眜眝眞眡眣眤眥眧眪眫\uFFFF"
    u"眬眮眰眱眲眳眴眹眻眽眾眿睂睄睅睆"
    u"睈睉睊睋睌睍睎睏睒睓睔睕睖睗睘睙"
    u"睜薄雹保堡饱宝抱报暴豹鲍爆杯碑悲"
    u"卑北辈背贝钡倍狈备惫焙被奔苯本笨"
    u"崩绷甭泵蹦迸逼鼻比鄙笔彼碧蓖蔽毕"
    u"毙毖币庇痹闭敝弊必辟壁臂避陛鞭边"
    u"编贬扁便变卞辨辩辫遍标彪膘表鳖憋"
    u"别瘪彬斌濒滨宾摈兵冰柄丙秉饼炳",
    // 0xB2
    u"睝睞睟睠睤睧睩睪睭睮睯睰睱睲睳睴"
    u"睵睶睷睸睺睻睼瞁瞂瞃瞆瞇瞈瞉瞊瞋"
    u"瞏瞐瞓瞔瞕瞖瞗瞘瞙瞚瞛瞜瞝瞞瞡瞣"
    u"瞤瞦瞨瞫瞭瞮瞯瞱瞲瞴瞶瞷瞸瞹瞺\uFFFF"
    u"瞼瞾矀矁矂矃矄矅矆矇矈矉矊矋矌矎"
    u"矏矐矑矒矓矔矕矖矘矙矚矝矞矟矠矡"
    u"矤病并玻菠播拨钵波博勃搏铂箔伯帛"
    u"舶脖膊渤泊驳捕卜哺补埠不布步簿部"
    u"怖擦猜裁材才财睬踩采彩菜蔡餐参蚕"
    u"残惭惨灿苍舱仓沧藏操糙槽曹草厕策"
    u"侧册测层蹭插叉茬茶查碴搽察岔差诧"
    u"拆柴豺搀掺蝉馋谗缠铲产阐颤昌猖",
    // 0xB3
    u"矦矨矪矯矰矱矲矴矵矷矹矺矻矼砃砄"
    u"砅砆砇砈砊砋砎砏砐砓砕砙砛砞砠砡"
    u"砢砤砨砪砫砮砯砱砲砳砵砶砽砿硁硂"
    u"硃硄硆硈硉硊硋硍硏硑硓硔硘硙硚\uFFFF"
    u"硛硜硞硟硠硡硢硣硤硥硦硧硨硩硯硰"
    u"硱硲硳硴硵硶硸硹硺硻硽硾硿碀碁碂"
    u"碃场尝常长偿肠厂敞畅唱倡超抄钞朝"
    u"嘲潮巢吵炒车扯撤掣彻澈郴臣辰尘晨"
    u"忱沉陈趁衬撑称城橙成呈乘程惩澄诚"
    u"承逞骋秤吃痴持匙池迟弛驰耻齿侈尺"
    u"赤翅斥炽充冲虫崇宠抽酬畴踌稠愁筹"
    u"仇绸瞅丑臭初出橱厨躇锄雏滁除楚",
    // 0xB4
    u"碄碅碆碈碊碋碏碐碒碔碕碖碙碝碞碠"
    u"碢碤碦碨碩碪碫碬碭碮碯碵碶碷碸確"
    u"碻碼碽碿磀磂磃磄磆磇磈磌磍磎磏磑"
    u"磒磓磖磗磘磚磛磜磝磞磟磠磡磢磣\uFFFF"
    u"磤磥磦磧磩磪磫磭磮磯磰磱磳磵磶磸"
    u"磹磻磼磽磾磿礀礂礃礄礆礇礈礉礊礋"
    u"礌础储矗搐触处揣川穿椽传船喘串疮"
    u"窗幢床闯创吹炊捶锤垂春椿醇唇淳纯"
    u"蠢戳绰疵茨磁雌辞慈瓷词此刺赐次聪"
    u"葱囱匆从丛凑粗醋簇促蹿篡窜摧崔催"
    u"脆瘁粹淬翠村存寸磋撮搓措挫错搭达"
    u"答瘩打大呆歹傣戴带殆代贷袋待逮",
    // 0xB5
    u"礍礎礏礐礑礒礔礕礖礗礘礙礚礛礜礝"
    u"礟礠礡礢礣礥礦礧礨礩礪礫礬礭礮礯"
    u"礰礱礲礳礵礶礷礸礹礽礿祂祃祄祅祇"
    u"祊祋祌祍祎祏祐祑祒祔祕祘祙祡祣\uFFFF"
    u"祤祦祩祪祫祬祮祰祱祲祳祴祵祶祹祻"
    u"祼祽祾祿禂禃禆禇禈禉禋禌禍禎禐禑"
    u"禒怠耽担丹单郸掸胆旦氮但惮淡诞弹"
    u"蛋当挡党荡档刀捣蹈倒岛祷导到稻悼"
    u"道盗德得的蹬灯登等瞪凳邓堤低滴迪"
    u"敌笛狄涤翟嫡抵底地蒂第帝弟递缔颠"
    u"掂滇碘点典靛垫电佃甸店惦奠淀殿碉"
    u"叼雕凋刁掉吊钓调跌爹碟蝶迭谍叠",
    // 0xB6
    u"禓禔禕禖禗禘禙禛禜禝禞禟禠禡禢禣"
    u"禤禥禦禨禩禪禫禬禭禮禯禰禱禲禴禵"
    u"禶禷禸禼禿秂秄秅秇秈秊秌秎秏秐秓"
    u"秔秖秗秙秚秛秜秝秞秠秡秢秥秨秪\uFFFF"
    u"秬秮秱秲秳秴秵秶秷秹秺秼秾秿稁稄"
    u"稅稇稈稉稊稌稏稐稑稒稓稕稖稘稙稛"
    u"稜丁盯叮钉顶鼎锭定订丢东冬董懂动"
    u"栋侗恫冻洞兜抖斗陡豆逗痘都督毒犊"
    u"独读堵睹赌杜镀肚度渡妒端短锻段断"
    u"缎堆兑队对墩吨蹲敦顿囤钝盾遁掇哆"
    u"多夺垛躲朵跺舵剁惰堕蛾峨鹅俄额讹"
    u"娥恶厄扼遏鄂饿恩而儿耳尔饵洱二",
    // 0xB7
    u"稝稟稡稢稤稥稦稧稨稩稪稫稬稭種稯"
    u"稰稱稲稴稵稶稸稺稾穀穁穂穃穄穅穇"
    u"穈穉穊穋穌積穎穏穐穒穓穔穕穖穘穙"
    u"穚穛穜穝穞穟穠穡穢穣穤穥穦穧穨\uFFFF"
    u"穩穪穫穬穭穮穯穱穲穳穵穻穼穽穾窂"
    u"窅窇窉窊窋窌窎窏窐窓窔窙窚窛窞窡"
    u"窢贰发罚筏伐乏阀法珐藩帆番翻樊矾"
    u"钒繁凡烦反返范贩犯饭泛坊芳方肪房"
    u"防妨仿访纺放菲非啡飞肥匪诽吠肺废"
    u"沸费芬酚吩氛分纷坟焚汾粉奋份忿愤"
    u"粪丰封枫蜂峰锋风疯烽逢冯缝讽奉凤"
    u"佛否夫敷肤孵扶拂辐幅氟符伏俘服",
    // 0xB8
    u"窣窤窧窩窪窫窮窯窰窱窲窴窵窶窷窸"
    u"窹窺窻窼窽窾竀竁竂竃竄竅竆竇竈竉"
    u"竊竌竍竎竏竐竑竒竓竔竕竗竘竚竛竜"
    u"竝竡竢竤竧竨竩竪竫竬竮竰竱竲竳\uFFFF"
    u"竴竵競竷竸竻竼竾笀笁笂笅笇笉笌笍"
    u"笎笐笒笓笖笗笘笚笜笝笟笡笢笣笧笩"
    u"笭浮涪福袱弗甫抚辅俯釜斧脯腑府腐"
    u"赴副覆赋复傅付阜父腹负富讣附妇缚"
    u"咐噶嘎该改概钙盖溉干甘杆柑竿肝赶"
    u"感秆敢赣冈刚钢缸肛纲岗港杠篙皋高"
    u"膏羔糕搞镐稿告哥歌搁戈鸽胳疙割革"
    u"葛格蛤阁隔铬个各给根跟耕更庚羹",
    // 0xB9
    u"笯笰笲笴笵笶笷笹笻笽笿筀筁筂筃筄"
    u"筆筈筊筍筎筓筕筗筙筜筞筟筡筣筤筥"
    u"筦筧筨筩筪筫筬筭筯筰筳筴筶筸筺筼"
    u"筽筿箁箂箃箄箆箇箈箉箊箋箌箎箏\uFFFF"
    u"箑箒箓箖箘箙箚箛箞箟箠箣箤箥箮箯"
    u"箰箲箳箵箶箷箹箺箻箼箽箾箿節篂篃"
    u"範埂耿梗工攻功恭龚供躬公宫弓巩汞"
    u"拱贡共钩勾沟苟狗垢构购够辜菇咕箍"
    u"估沽孤姑鼓古蛊骨谷股故顾固雇刮瓜"
    u"剐寡挂褂乖拐怪棺关官冠观管馆罐惯"
    u"灌贯光广逛瑰规圭硅归龟闺轨鬼诡癸"
    u"桂柜跪贵刽辊滚棍锅郭国果裹过哈",
    // 0xBA
    u"篅篈築篊篋篍篎篏篐篒篔篕篖篗篘篛"
    u"篜篞篟篠篢篣篤篧篨篩篫篬篭篯篰篲"
    u"篳篴篵篶篸篹篺篻篽篿簀簁簂簃簄簅"
    u"簆簈簉簊簍簎簐簑簒簓簔簕簗簘簙\uFFFF"
    u"簚簛簜簝簞簠簡簢簣簤簥簨簩簫簬簭"
    u"簮簯簰簱簲簳簴簵簶簷簹簺簻簼簽簾"
    u"籂骸孩海氦亥害骇酣憨邯韩含涵寒函"
    u"喊罕翰撼捍旱憾悍焊汗汉夯杭航壕嚎"
    u"豪毫郝好耗号浩呵喝荷菏核禾和何合"
    u"盒貉阂河涸赫褐鹤贺嘿黑痕很狠恨哼"
    u"亨横衡恒轰哄烘虹鸿洪宏弘红喉侯猴"
    u"吼厚候后呼乎忽瑚壶葫胡蝴狐糊湖",
    // 0xBB
    u"籃籄籅籆籇籈籉籊籋籌籎籏籐籑籒籓"
    u"籔籕籖籗籘籙籚籛籜籝籞籟籠籡籢籣"
    u"籤籥籦籧籨籩籪籫籬籭籮籯籰籱籲籵"
    u"籶籷籸籹籺籾籿粀粁粂粃粄粅粆粇\uFFFF"
    u"粈粊粋粌粍粎粏粐粓粔粖粙粚粛粠粡"
    u"粣粦粧粨粩粫粬粭粯粰粴粵粶粷粸粺"
    u"粻弧虎唬护互沪户花哗华猾滑画划化"
    u"话槐徊怀淮坏欢环桓还缓换患唤痪豢"
    u"焕涣宦幻荒慌黄磺蝗簧皇凰惶煌晃幌"
    u"恍谎灰挥辉徽恢蛔回毁悔慧卉惠晦贿"
    u"秽会烩汇讳诲绘荤昏婚魂浑混豁活伙"
    u"火获或惑霍货祸击圾基机畸稽积箕",
    // 0xBC
    u"粿糀糂糃糄糆糉糋糎糏糐糑糒糓糔糘"
    u"糚糛糝糞糡糢糣糤糥糦糧糩糪糫糬糭"
    u"糮糰糱糲糳糴糵糶糷糹糺糼糽糾糿紀"
    u"紁紂紃約紅紆紇紈紉紋紌納紎紏紐\uFFFF"
    u"紑紒紓純紕紖紗紘紙級紛紜紝紞紟紡"
    u"紣紤紥紦紨紩紪紬紭紮細紱紲紳紴紵"
    u"紶肌饥迹激讥鸡姬绩缉吉极棘辑籍集"
    u"及急疾汲即嫉级挤几脊己蓟技冀季伎"
    u"祭剂悸济寄寂计记既忌际妓继纪嘉枷"
    u"夹佳家加荚颊贾甲钾假稼价架驾嫁歼"
    u"监坚尖笺间煎兼肩艰奸缄茧检柬碱硷"
    u"拣捡简俭剪减荐槛鉴践贱见键箭件",
    // 0xBD
    u"紷紸紹紺紻紼紽紾紿絀絁終絃組絅絆"
    u"絇絈絉絊絋経絍絎絏結絑絒絓絔絕絖"
    u"絗絘絙絚絛絜絝絞絟絠絡絢絣絤絥給"
    u"絧絨絩絪絫絬絭絯絰統絲絳絴絵絶\uFFFF"
    u"絸絹絺絻絼絽絾絿綀綁綂綃綄綅綆綇"
    u"綈綉綊綋綌綍綎綏綐綑綒經綔綕綖綗"
    u"綘健舰剑饯渐溅涧建僵姜将浆江疆蒋"
    u"桨奖讲匠酱降蕉椒礁焦胶交郊浇骄娇"
    u"嚼搅铰矫侥脚狡角饺缴绞剿教酵轿较"
    u"叫窖揭接皆秸街阶截劫节桔杰捷睫竭"
    u"洁结解姐戒藉芥界借介疥诫届巾筋斤"
    u"金今津襟紧锦仅谨进靳晋禁近烬浸",
    // 0xBE
    u"継続綛綜綝綞綟綠綡綢綣綤綥綧綨綩"
    u"綪綫綬維綯綰綱網綳綴綵綶綷綸綹綺"
    u"綻綼綽綾綿緀緁緂緃緄緅緆緇緈緉緊"
    u"緋緌緍緎総緐緑緒緓緔緕緖緗緘緙\uFFFF"
    u"線緛緜緝緞緟締緡緢緣緤緥緦緧編緩"
    u"緪緫緬緭緮緯緰緱緲緳練緵緶緷緸緹"
    u"緺尽劲荆兢茎睛晶鲸京惊精粳经井警"
    u"景颈静境敬镜径痉靖竟竞净炯窘揪究"
    u"纠玖韭久灸九酒厩救旧臼舅咎就疚鞠"
    u"拘狙疽居驹菊局咀矩举沮聚拒据巨具"
    u"距踞锯俱句惧炬剧捐鹃娟倦眷卷绢撅"
    u"攫抉掘倔爵觉决诀绝均菌钧军君峻",
    // 0xBF
    u"緻緼緽緾緿縀縁縂縃縄縅縆縇縈縉縊"
    u"縋縌縍縎縏縐縑縒縓縔縕縖縗縘縙縚"
    u"縛縜縝縞縟縠縡縢縣縤縥縦縧縨縩縪"
    u"縫縬縭縮縯縰縱縲縳縴縵縶縷縸縹\uFFFF"
    u"縺縼總績縿繀繂繃繄繅繆繈繉繊繋繌"
    u"繍繎繏繐繑繒繓織繕繖繗繘繙繚繛繜"
    u"繝俊竣浚郡骏喀咖卡咯开揩楷凯慨刊"
    u"堪勘坎砍看康慷糠扛抗亢炕考拷烤靠"
    u"坷苛柯棵磕颗科壳咳可渴克刻客课肯"
    u"啃垦恳坑吭空恐孔控抠口扣寇枯哭窟"
    u"苦酷库裤夸垮挎跨胯块筷侩快宽款匡"
    u"筐狂框矿眶旷况亏盔岿窥葵奎魁傀",
    // 0xC0
    u"繞繟繠繡繢繣繤繥繦繧繨繩繪繫繬繭"
    u"繮繯繰繱繲繳繴繵繶繷繸繹繺繻繼繽"
    u"繾繿纀纁纃纄纅纆纇纈纉纊纋續纍纎"
    u"纏纐纑纒纓纔纕纖纗纘纙纚纜纝纞\uFFFF"
    u"纮纴纻纼绖绤绬绹缊缐缞缷缹缻缼缽"
    u"缾缿罀罁罃罆罇罈罉罊罋罌罍罎罏罒"
    u"罓馈愧溃坤昆捆困括扩廓阔垃拉喇蜡"
    u"腊辣啦莱来赖蓝婪栏拦篮阑兰澜谰揽"
    u"览懒缆烂滥琅榔狼廊郎朗浪捞劳牢老"
    u"佬姥酪烙涝勒乐雷镭蕾磊累儡垒擂肋"
    u"类泪棱楞冷厘梨犁黎篱狸离漓理李里"
    u"鲤礼莉荔吏栗丽厉励砾历利傈例俐",
    // 0xC1
    u"罖罙罛罜罝罞罠罣罤罥罦罧罫罬罭罯"
    u"罰罳罵罶罷罸罺罻罼罽罿羀羂羃羄羅"
    u"羆羇羈羉羋羍羏羐羑羒羓羕羖羗羘羙"
    u"羛羜羠羢羣羥羦羨義羪羫羬羭羮羱\uFFFF"
    u"羳羴羵羶羷羺羻羾翀翂翃翄翆翇翈翉"
    u"翋翍翏翐翑習翓翖翗翙翚翛翜翝翞翢"
    u"翣痢立粒沥隶力璃哩俩联莲连镰廉怜"
    u"涟帘敛脸链恋炼练粮凉梁粱良两辆量"
    u"晾亮谅撩聊僚疗燎寥辽潦了撂镣廖料"
    u"列裂烈劣猎琳林磷霖临邻鳞淋凛赁吝"
    u"拎玲菱零龄铃伶羚凌灵陵岭领另令溜"
    u"琉榴硫馏留刘瘤流柳六龙聋咙笼窿",
    // 0xC2
    u"翤翧翨翪翫翬翭翯翲翴翵翶翷翸翹翺"
    u"翽翾翿耂耇耈耉耊耎耏耑耓耚耛耝耞"
    u"耟耡耣耤耫耬耭耮耯耰耲耴耹耺耼耾"
    u"聀聁聄聅聇聈聉聎聏聐聑聓聕聖聗\uFFFF"
    u"聙聛聜聝聞聟聠聡聢聣聤聥聦聧聨聫"
    u"聬聭聮聯聰聲聳聴聵聶職聸聹聺聻聼"
    u"聽隆垄拢陇楼娄搂篓漏陋芦卢颅庐炉"
    u"掳卤虏鲁麓碌露路赂鹿潞禄录陆戮驴"
    u"吕铝侣旅履屡缕虑氯律率滤绿峦挛孪"
    u"滦卵乱掠略抡轮伦仑沦纶论萝螺罗逻"
    u"锣箩骡裸落洛骆络妈麻玛码蚂马骂嘛"
    u"吗埋买麦卖迈脉瞒馒蛮满蔓曼慢漫",
    // 0xC3
    u"聾肁肂肅肈肊肍肎肏肐肑肒肔肕肗肙"
    u"肞肣肦肧肨肬肰肳肵肶肸肹肻胅胇胈"
    u"胉胊胋胏胐胑胒胓胔胕胘胟胠胢胣胦"
    u"胮胵胷胹胻胾胿脀脁脃脄脅脇脈脋\uFFFF"
    u"脌脕脗脙脛脜脝脟脠脡脢脣脤脥脦脧"
    u"脨脩脪脫脭脮脰脳脴脵脷脹脺脻脼脽"
    u"脿谩芒茫盲氓忙莽猫茅锚毛矛铆卯茂"
    u"冒帽貌贸么玫枚梅酶霉煤没眉媒镁每"
    u"美昧寐妹媚门闷们萌蒙檬盟锰猛梦孟"
    u"眯醚靡糜迷谜弥米秘觅泌蜜密幂棉眠"
    u"绵冕免勉娩缅面苗描瞄藐秒渺庙妙蔑"
    u"灭民抿皿敏悯闽明螟鸣铭名命谬摸",
    // 0xC4
    u"腀腁腂腃腄腅腇腉腍腎腏腒腖腗腘腛"
    u"腜腝腞腟腡腢腣腤腦腨腪腫腬腯腲腳"
    u"腵腶腷腸膁膃膄膅膆膇膉膋膌膍膎膐"
    u"膒膓膔膕膖膗膙膚膞膟膠膡膢膤膥\uFFFF"
    u"膧膩膫膬膭膮膯膰膱膲膴膵膶膷膸膹"
    u"膼膽膾膿臄臅臇臈臉臋臍臎臏臐臑臒"
    u"臓摹蘑模膜磨摩魔抹末莫墨默沫漠寞"
    u"陌谋牟某拇牡亩姆母墓暮幕募慕木目"
    u"睦牧穆拿哪呐钠那娜纳氖乃奶耐奈南"
    u"男难囊挠脑恼闹淖呢馁内嫩能妮霓倪"
    u"泥尼拟你匿腻逆溺蔫拈年碾撵捻念娘"
    u"酿鸟尿捏聂孽啮镊镍涅您柠狞凝宁",
    // 0xC5
    u"臔臕臖臗臘臙臚臛臜臝臞臟臠臡臢臤"
    u"臥臦臨臩臫臮臯臰臱臲臵臶臷臸臹臺"
    u"臽臿舃與興舉舊舋舎舏舑舓舕舖舗舘"
    u"舙舚舝舠舤舥舦舧舩舮舲舺舼舽舿\uFFFF"
    u"艀艁艂艃艅艆艈艊艌艍艎艐艑艒艓艔"
    u"艕艖艗艙艛艜艝艞艠艡艢艣艤艥艦艧"
    u"艩拧泞牛扭钮纽脓浓农弄奴努怒女暖"
    u"虐疟挪懦糯诺哦欧鸥殴藕呕偶沤啪趴"
    u"爬帕怕琶拍排牌徘湃派攀潘盘磐盼畔"
    u"判叛乓庞旁耪胖抛咆刨炮袍跑泡呸胚"
    u"培裴赔陪配佩沛喷盆砰抨烹澎彭蓬棚"
    u"硼篷膨朋鹏捧碰坯砒霹批披劈琵毗",
    // 0xC6
    u"艪艫艬艭艱艵艶艷艸艻艼芀芁芃芅芆"
    u"芇芉芌芐芓芔芕芖芚芛芞芠芢芣芧芲"
    u"芵芶芺芻芼芿苀苂苃苅苆苉苐苖苙苚"
    u"苝苢苧苨苩苪苬苭苮苰苲苳苵苶苸\uFFFF"
    u"苺苼苽苾苿茀茊茋茍茐茒茓茖茘茙茝"
    u"茞茟茠茡茢茣茤茥茦茩茪茮茰茲茷茻"
    u"茽啤脾疲皮匹痞僻屁譬篇偏片骗飘漂"
    u"瓢票撇瞥拼频贫品聘乒坪苹萍平凭瓶"
    u"评屏坡泼颇婆破魄迫粕剖扑铺仆莆葡"
    u"菩蒲埔朴圃普浦谱曝瀑期欺栖戚妻七"
    u"凄漆柒沏其棋奇歧畦崎脐齐旗祈祁骑"
    u"起岂乞企启契砌器气迄弃汽泣讫掐",
    // 0xC7
    u"茾茿荁荂荄荅荈荊荋荌荍荎荓荕荖荗"
    u"荘荙荝荢荰荱荲荳荴荵荶荹荺荾荿莀"
    u"莁莂莃莄莇莈莊莋莌莍莏莐莑莔莕莖"
    u"莗莙莚莝莟莡莢莣莤莥莦莧莬莭莮\uFFFF"
    u"莯莵莻莾莿菂菃菄菆菈菉菋菍菎菐菑"
    u"菒菓菕菗菙菚菛菞菢菣菤菦菧菨菫菬"
    u"菭恰洽牵扦钎铅千迁签仟谦乾黔钱钳"
    u"前潜遣浅谴堑嵌欠歉枪呛腔羌墙蔷强"
    u"抢橇锹敲悄桥瞧乔侨巧鞘撬翘峭俏窍"
    u"切茄且怯窃钦侵亲秦琴勤芹擒禽寝沁"
    u"青轻氢倾卿清擎晴氰情顷请庆琼穷秋"
    u"丘邱球求囚酋泅趋区蛆曲躯屈驱渠",
    // 0xC8
    u"菮華菳菴菵菶菷菺菻菼菾菿萀萂萅萇"
    u"萈萉萊萐萒萓萔萕萖萗萙萚萛萞萟萠"
    u"萡萢萣萩萪萫萬萭萮萯萰萲萳萴萵萶"
    u"萷萹萺萻萾萿葀葁葂葃葄葅葇葈葉\uFFFF"
    u"葊葋葌葍葎葏葐葒葓葔葕葖葘葝葞葟"
    u"葠葢葤葥葦葧葨葪葮葯葰葲葴葷葹葻"
    u"葼取娶龋趣去圈颧权醛泉全痊拳犬券"
    u"劝缺炔瘸却鹊榷确雀裙群然燃冉染瓤"
    u"壤攘嚷让饶扰绕惹热壬仁人忍韧任认"
    u"刃妊纫扔仍日戎茸蓉荣融熔溶容绒冗"
    u"揉柔肉茹蠕儒孺如辱乳汝入褥软阮蕊"
    u"瑞锐闰润若弱撒洒萨腮鳃塞赛三叁",
    // 0xC9
    u"葽葾葿蒀蒁蒃蒄蒅蒆蒊蒍蒏蒐蒑蒒蒓"
    u"蒔蒕蒖蒘蒚蒛蒝蒞蒟蒠蒢蒣蒤蒥蒦蒧"
    u"蒨蒩蒪蒫蒬蒭蒮蒰蒱蒳蒵蒶蒷蒻蒼蒾"
    u"蓀蓂蓃蓅蓆蓇蓈蓋蓌蓎蓏蓒蓔蓕蓗\uFFFF"
    u"蓘蓙蓚蓛蓜蓞蓡蓢蓤蓧蓨蓩蓪蓫蓭蓮"
    u"蓯蓱蓲蓳蓴蓵蓶蓷蓸蓹蓺蓻蓽蓾蔀蔁"
    u"蔂伞散桑嗓丧搔骚扫嫂瑟色涩森僧莎"
    u"砂杀刹沙纱傻啥煞筛晒珊苫杉山删煽"
    u"衫闪陕擅赡膳善汕扇缮墒伤商赏晌上"
    u"尚裳梢捎稍烧芍勺韶少哨邵绍奢赊蛇"
    u"舌舍赦摄射慑涉社设砷申呻伸身深娠"
    u"绅神沈审婶甚肾慎渗声生甥牲升绳",
    // 0xCA
    u"蔃蔄蔅蔆蔇蔈蔉蔊蔋蔍蔎蔏蔐蔒蔔蔕"
    u"蔖蔘蔙蔛蔜蔝蔞蔠蔢蔣蔤蔥蔦蔧蔨蔩"
    u"蔪蔭蔮蔯蔰蔱蔲蔳蔴蔵蔶蔾蔿蕀蕁蕂"
    u"蕄蕅蕆蕇蕋蕌蕍蕎蕏蕐蕑蕒蕓蕔蕕\uFFFF"
    u"蕗蕘蕚蕛蕜蕝蕟蕠蕡蕢蕣蕥蕦蕧蕩蕪"
    u"蕫蕬蕭蕮蕯蕰蕱蕳蕵蕶蕷蕸蕼蕽蕿薀"
    u"薁省盛剩胜圣师失狮施湿诗尸虱十石"
    u"拾时什食蚀实识史矢使屎驶始式示士"
    u"世柿事拭誓逝势是嗜噬适仕侍释饰氏"
    u"市恃室视试收手首守寿授售受瘦兽蔬"
    u"枢梳殊抒输叔舒淑疏书赎孰熟薯暑曙"
    u"署蜀黍鼠属术述树束戍竖墅庶数漱",
    // 0xCB
    u"薂薃薆薈薉薊薋薌薍薎薐薑薒薓薔薕"
    u"薖薗薘薙薚薝薞薟薠薡薢薣薥薦薧薩"
    u"薫薬薭薱薲薳薴薵薶薸薺薻薼薽薾薿"
    u"藀藂藃藄藅藆藇藈藊藋藌藍藎藑藒\uFFFF"
    u"藔藖藗藘藙藚藛藝藞藟藠藡藢藣藥藦"
    u"藧藨藪藫藬藭藮藯藰藱藲藳藴藵藶藷"
    u"藸恕刷耍摔衰甩帅栓拴霜双爽谁水睡"
    u"税吮瞬顺舜说硕朔烁斯撕嘶思私司丝"
    u"死肆寺嗣四伺似饲巳松耸怂颂送宋讼"
    u"诵搜艘擞嗽苏酥俗素速粟僳塑溯宿诉"
    u"肃酸蒜算虽隋随绥髓碎岁穗遂隧祟孙"
    u"损笋蓑梭唆缩琐索锁所塌他它她塔",
    // 0xCC
    u"藹藺藼藽藾蘀蘁蘂蘃蘄蘆蘇蘈蘉蘊蘋"
    u"蘌蘍蘎蘏蘐蘒蘓蘔蘕蘗蘘蘙蘚蘛蘜蘝"
    u"蘞蘟蘠蘡蘢蘣蘤蘥蘦蘨蘪蘫蘬蘭蘮蘯"
    u"蘰蘱蘲蘳蘴蘵蘶蘷蘹蘺蘻蘽蘾蘿虀\uFFFF"
    u"虁虂虃虄虅虆虇虈虉虊虋虌虒虓處虖"
    u"虗虘虙虛虜虝號虠虡虣虤虥虦虧虨虩"
    u"虪獭挞蹋踏胎苔抬台泰酞太态汰坍摊"
    u"贪瘫滩坛檀痰潭谭谈坦毯袒碳探叹炭"
    u"汤塘搪堂棠膛唐糖倘躺淌趟烫掏涛滔"
    u"绦萄桃逃淘陶讨套特藤腾疼誊梯剔踢"
    u"锑提题蹄啼体替嚏惕涕剃屉天添填田"
    u"甜恬舔腆挑条迢眺跳贴铁帖厅听烃",
    // 0xCD
    u"虭虯虰虲虳虴虵虶虷虸蚃蚄蚅蚆蚇蚈"
    u"蚉蚎蚏蚐蚑蚒蚔蚖蚗蚘蚙蚚蚛蚞蚟蚠"
    u"蚡蚢蚥蚦蚫蚭蚮蚲蚳蚷蚸蚹蚻蚼蚽蚾"
    u"蚿蛁蛂蛃蛅蛈蛌蛍蛒蛓蛕蛖蛗蛚蛜\uFFFF"
    u"蛝蛠蛡蛢蛣蛥蛦蛧蛨蛪蛫蛬蛯蛵蛶蛷"
    u"蛺蛻蛼蛽蛿蜁蜄蜅蜆蜋蜌蜎蜏蜐蜑蜔"
    u"蜖汀廷停亭庭挺艇通桐酮瞳同铜彤童"
    u"桶捅筒统痛偷投头透凸秃突图徒途涂"
    u"屠土吐兔湍团推颓腿蜕褪退吞屯臀拖"
    u"托脱鸵陀驮驼椭妥拓唾挖哇蛙洼娃瓦"
    u"袜歪外豌弯湾玩顽丸烷完碗挽晚皖惋"
    u"宛婉万腕汪王亡枉网往旺望忘妄威",
    // 0xCE
    u"蜙蜛蜝蜟蜠蜤蜦蜧蜨蜪蜫蜬蜭蜯蜰蜲"
    u"蜳蜵蜶蜸蜹蜺蜼蜽蝀蝁蝂蝃蝄蝅蝆蝊"
    u"蝋蝍蝏蝐蝑蝒蝔蝕蝖蝘蝚蝛蝜蝝蝞蝟"
    u"蝡蝢蝦蝧蝨蝩蝪蝫蝬蝭蝯蝱蝲蝳蝵\uFFFF"
    u"蝷蝸蝹蝺蝿螀螁螄螆螇螉螊螌螎螏螐"
    u"螑螒螔螕螖螘螙螚螛螜螝螞螠螡螢螣"
    u"螤巍微危韦违桅围唯惟为潍维苇萎委"
    u"伟伪尾纬未蔚味畏胃喂魏位渭谓尉慰"
    u"卫瘟温蚊文闻纹吻稳紊问嗡翁瓮挝蜗"
    u"涡窝我斡卧握沃巫呜钨乌污诬屋无芜"
    u"梧吾吴毋武五捂午舞伍侮坞戊雾晤物"
    u"勿务悟误昔熙析西硒矽晰嘻吸锡牺",
    // 0xCF
    u"螥螦螧螩螪螮螰螱螲螴螶螷螸螹螻螼"
    u"螾螿蟁蟂蟃蟄蟅蟇蟈蟉蟌蟍蟎蟏蟐蟔"
    u"蟕蟖蟗蟘蟙蟚蟜蟝蟞蟟蟡蟢蟣蟤蟦蟧"
    u"蟨蟩蟫蟬蟭蟯蟰蟱蟲蟳蟴蟵蟶蟷蟸\uFFFF"
    u"蟺蟻蟼蟽蟿蠀蠁蠂蠄蠅蠆蠇蠈蠉蠋蠌"
    u"蠍蠎蠏蠐蠑蠒蠔蠗蠘蠙蠚蠜蠝蠞蠟蠠"
    u"蠣稀息希悉膝夕惜熄烯溪汐犀檄袭席"
    u"习媳喜铣洗系隙戏细瞎虾匣霞辖暇峡"
    u"侠狭下厦夏吓掀锨先仙鲜纤咸贤衔舷"
    u"闲涎弦嫌显险现献县腺馅羡宪陷限线"
    u"相厢镶香箱襄湘乡翔祥详想响享项巷"
    u"橡像向象萧硝霄削哮嚣销消宵淆晓",
    // 0xD0
    u"蠤蠥蠦蠧蠨蠩蠪蠫蠬蠭蠮蠯蠰蠱蠳蠴"
    u"蠵蠶蠷蠸蠺蠻蠽蠾蠿衁衂衃衆衇衈衉"
    u"衊衋衎衏衐衑衒術衕衖衘衚衛衜衝衞"
    u"衟衠衦衧衪衭衯衱衳衴衵衶衸衹衺\uFFFF"
    u"衻衼袀袃袆袇袉袊袌袎袏袐袑袓袔袕"
    u"袗袘袙袚袛袝袞袟袠袡袣袥袦袧袨袩"
    u"袪小孝校肖啸笑效楔些歇蝎鞋协挟携"
    u"邪斜胁谐写械卸蟹懈泄泻谢屑薪芯锌"
    u"欣辛新忻心信衅星腥猩惺兴刑型形邢"
    u"行醒幸杏性姓兄凶胸匈汹雄熊休修羞"
    u"朽嗅锈秀袖绣墟戌需虚嘘须徐许蓄酗"
    u"叙旭序畜恤絮婿绪续轩喧宣悬旋玄",
    // 0xD1
    u"袬袮袯袰袲袳袴袵袶袸袹袺袻袽袾袿"
    u"裀裃裄裇裈裊裋裌裍裏裐裑裓裖裗裚"
    u"裛補裝裞裠裡裦裧裩裪裫裬裭裮裯裲"
    u"裵裶裷裺裻製裿褀褁褃褄褅褆複褈\uFFFF"
    u"褉褋褌褍褎褏褑褔褕褖褗褘褜褝褞褟"
    u"褠褢褣褤褦褧褨褩褬褭褮褯褱褲褳褵"
    u"褷选癣眩绚靴薛学穴雪血勋熏循旬询"
    u"寻驯巡殉汛训讯逊迅压押鸦鸭呀丫芽"
    u"牙蚜崖衙涯雅哑亚讶焉咽阉烟淹盐严"
    u"研蜒岩延言颜阎炎沿奄掩眼衍演艳堰"
    u"燕厌砚雁唁彦焰宴谚验殃央鸯秧杨扬"
    u"佯疡羊洋阳氧仰痒养样漾邀腰妖瑶",
    // 0xD2
    u"褸褹褺褻褼褽褾褿襀襂襃襅襆襇襈襉"
    u"襊襋襌襍襎襏襐襑襒襓襔襕襖襗襘襙"
    u"襚襛襜襝襠襡襢襣襤襥襧襨襩襪襫襬"
    u"襭襮襯襰襱襲襳襴襵襶襷襸襹襺襼\uFFFF"
    u"襽襾覀覂覄覅覇覈覉覊見覌覍覎規覐"
    u"覑覒覓覔覕視覗覘覙覚覛覜覝覞覟覠"
    u"覡摇尧遥窑谣姚咬舀药要耀椰噎耶爷"
    u"野冶也页掖业叶曳腋夜液一壹医揖铱"
    u"依伊衣颐夷遗移仪胰疑沂宜姨彝椅蚁"
    u"倚已乙矣以艺抑易邑屹亿役臆逸肄疫"
    u"亦裔意毅忆义益溢诣议谊译异翼翌绎"
    u"茵荫因殷音阴姻吟银淫寅饮尹引隐",
    // 0xD3
    u"覢覣覤覥覦覧覨覩親覫覬覭覮覯覰覱"
    u"覲観覴覵覶覷覸覹覺覻覼覽覾覿觀觃"
    u"觍觓觔觕觗觘觙觛觝觟觠觡觢觤觧觨"
    u"觩觪觬觭觮觰觱觲觴觵觶觷觸觹觺\uFFFF"
    u"觻觼觽觾觿訁訂訃訄訅訆計訉訊訋訌"
    u"訍討訏訐訑訒訓訔訕訖託記訙訚訛訜"
    u"訝印英樱婴鹰应缨莹萤营荧蝇迎赢盈"
    u"影颖硬映哟拥佣臃痈庸雍踊蛹咏泳涌"
    u"永恿勇用幽优悠忧尤由邮铀犹油游酉"
    u"有友右佑釉诱又幼迂淤于盂榆虞愚舆"
    u"余俞逾鱼愉渝渔隅予娱雨与屿禹宇语"
    u"羽玉域芋郁吁遇喻峪御愈欲狱育誉",
    // 0xD4
    u"訞訟訠訡訢訣訤訥訦訧訨訩訪訫訬設"
    u"訮訯訰許訲訳訴訵訶訷訸訹診註証訽"
    u"訿詀詁詂詃詄詅詆詇詉詊詋詌詍詎詏"
    u"詐詑詒詓詔評詖詗詘詙詚詛詜詝詞\uFFFF"
    u"詟詠詡詢詣詤詥試詧詨詩詪詫詬詭詮"
    u"詯詰話該詳詴詵詶詷詸詺詻詼詽詾詿"
    u"誀浴寓裕预豫驭鸳渊冤元垣袁原援辕"
    u"园员圆猿源缘远苑愿怨院曰约越跃钥"
    u"岳粤月悦阅耘云郧匀陨允运蕴酝晕韵"
    u"孕匝砸杂栽哉灾宰载再在咱攒暂赞赃"
    u"脏葬遭糟凿藻枣早澡蚤躁噪造皂灶燥"
    u"责择则泽贼怎增憎曾赠扎喳渣札轧",
    // 0xD5
    u"誁誂誃誄誅誆誇誈誋誌認誎誏誐誑誒"
    u"誔誕誖誗誘誙誚誛誜誝語誟誠誡誢誣"
    u"誤誥誦誧誨誩說誫説読誮誯誰誱課誳"
    u"誴誵誶誷誸誹誺誻誼誽誾調諀諁諂\uFFFF"
    u"諃諄諅諆談諈諉諊請諌諍諎諏諐諑諒"
    u"諓諔諕論諗諘諙諚諛諜諝諞諟諠諡諢"
    u"諣铡闸眨栅榨咋乍炸诈摘斋宅窄债寨"
    u"瞻毡詹粘沾盏斩辗崭展蘸栈占战站湛"
    u"绽樟章彰漳张掌涨杖丈帐账仗胀瘴障"
    u"招昭找沼赵照罩兆肇召遮折哲蛰辙者"
    u"锗蔗这浙珍斟真甄砧臻贞针侦枕疹诊"
    u"震振镇阵蒸挣睁征狰争怔整拯正政",
    // 0xD6
    u"諤諥諦諧諨諩諪諫諬諭諮諯諰諱諲諳"
    u"諴諵諶諷諸諹諺諻諼諽諾諿謀謁謂謃"
    u"謄謅謆謈謉謊謋謌謍謎謏謐謑謒謓謔"
    u"謕謖謗謘謙謚講謜謝謞謟謠謡謢謣\uFFFF"
    u"謤謥謧謨謩謪謫謬謭謮謯謰謱謲謳謴"
    u"謵謶謷謸謹謺謻謼謽謾謿譀譁譂譃譄"
    u"譅帧症郑证芝枝支吱蜘知肢脂汁之织"
    u"职直植殖执值侄址指止趾只旨纸志挚"
    u"掷至致置帜峙制智秩稚质炙痔滞治窒"
    u"中盅忠钟衷终种肿重仲众舟周州洲诌"
    u"粥轴肘帚咒皱宙昼骤珠株蛛朱猪诸诛"
    u"逐竹烛煮拄瞩嘱主著柱助蛀贮铸筑",
    // 0xD7
    u"譆譇譈證譊譋譌譍譎譏譐譑譒譓譔譕"
    u"譖譗識譙譚譛譜譝譞譟譠譡譢譣譤譥"
    u"譧譨譩譪譫譭譮譯議譱譲譳譴譵譶護"
    u"譸譹譺譻譼譽譾譿讀讁讂讃讄讅讆\uFFFF"
    u"讇讈讉變讋讌讍讎讏讐讑讒讓讔讕讖"
    u"讗讘讙讚讛讜讝讞讟讬讱讻诇诐诪谉"
    u"谞住注祝驻抓爪拽专砖转撰赚篆桩庄"
    u"装妆撞壮状椎锥追赘坠缀谆准捉拙卓"
    u"桌琢茁酌啄着灼浊兹咨资姿滋淄孜紫"
    u"仔籽滓子自渍字鬃棕踪宗综总纵邹走"
    u"奏揍租足卒族祖诅阻组钻纂嘴醉最罪"
    u"尊遵昨左佐柞做作坐座\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xD8
    u"谸谹谺谻谼谽谾谿豀豂豃豄豅豈豊豋"
    u"豍豎豏豐豑豒豓豔豖豗豘豙豛豜豝豞"
    u"豟豠豣豤豥豦豧豨豩豬豭豮豯豰豱豲"
    u"豴豵豶豷豻豼豽豾豿貀貁貃貄貆貇\uFFFF"
    u"貈貋貍貎貏貐貑貒貓貕貖貗貙貚貛貜"
    u"貝貞貟負財貢貣貤貥貦貧貨販貪貫責"
    u"貭亍丌兀丐廿卅丕亘丞鬲孬噩丨禺丿"
    u"匕乇夭爻卮氐囟胤馗毓睾鼗丶亟鼐乜"
    u"乩亓芈孛啬嘏仄厍厝厣厥厮靥赝匚叵"
    u"匦匮匾赜卦卣刂刈刎刭刳刿剀剌剞剡"
    u"剜蒯剽劂劁劐劓冂罔亻仃仉仂仨仡仫"
    u"仞伛仳伢佤仵伥伧伉伫佞佧攸佚佝",
    // 0xD9
    u"貮貯貰貱貲貳貴貵貶買貸貹貺費貼貽"
    u"貾貿賀賁賂賃賄賅賆資賈賉賊賋賌賍"
    u"賎賏賐賑賒賓賔賕賖賗賘賙賚賛賜賝"
    u"賞賟賠賡賢賣賤賥賦賧賨賩質賫賬\uFFFF"
    u"賭賮賯賰賱賲賳賴賵賶賷賸賹賺賻購"
    u"賽賾賿贀贁贂贃贄贅贆贇贈贉贊贋贌"
    u"贍佟佗伲伽佶佴侑侉侃侏佾佻侪佼侬"
    u"侔俦俨俪俅俚俣俜俑俟俸倩偌俳倬倏"
    u"倮倭俾倜倌倥倨偾偃偕偈偎偬偻傥傧"
    u"傩傺僖儆僭僬僦僮儇儋仝氽佘佥俎龠"
    u"汆籴兮巽黉馘冁夔勹匍訇匐凫夙兕亠"
    u"兖亳衮袤亵脔裒禀嬴蠃羸冫冱冽冼",
    // 0xDA
    u"贎贏贐贑贒贓贔贕贖贗贘贙贚贛贜贠"
    u"赑赒赗赟赥赨赩赪赬赮赯赱赲赸赹赺"
    u"赻赼赽赾赿趀趂趃趆趇趈趉趌趍趎趏"
    u"趐趒趓趕趖趗趘趙趚趛趜趝趞趠趡\uFFFF"
    u"趢趤趥趦趧趨趩趪趫趬趭趮趯趰趲趶"
    u"趷趹趻趽跀跁跂跅跇跈跉跊跍跐跒跓"
    u"跔凇冖冢冥讠讦讧讪讴讵讷诂诃诋诏"
    u"诎诒诓诔诖诘诙诜诟诠诤诨诩诮诰诳"
    u"诶诹诼诿谀谂谄谇谌谏谑谒谔谕谖谙"
    u"谛谘谝谟谠谡谥谧谪谫谮谯谲谳谵谶"
    u"卩卺阝阢阡阱阪阽阼陂陉陔陟陧陬陲"
    u"陴隈隍隗隰邗邛邝邙邬邡邴邳邶邺",
    // 0xDB
    u"跕跘跙跜跠跡跢跥跦跧跩跭跮跰跱跲"
    u"跴跶跼跾跿踀踁踂踃踄踆踇踈踋踍踎"
    u"踐踑踒踓踕踖踗踘踙踚踛踜踠踡踤踥"
    u"踦踧踨踫踭踰踲踳踴踶踷踸踻踼踾\uFFFF"
    u"踿蹃蹅蹆蹌蹍蹎蹏蹐蹓蹔蹕蹖蹗蹘蹚"
    u"蹛蹜蹝蹞蹟蹠蹡蹢蹣蹤蹥蹧蹨蹪蹫蹮"
    u"蹱邸邰郏郅邾郐郄郇郓郦郢郜郗郛郫"
    u"郯郾鄄鄢鄞鄣鄱鄯鄹酃酆刍奂劢劬劭"
    u"劾哿勐勖勰叟燮矍廴凵凼鬯厶弁畚巯"
    u"坌垩垡塾墼壅壑圩圬圪圳圹圮圯坜圻"
    u"坂坩垅坫垆坼坻坨坭坶坳垭垤垌垲埏"
    u"垧垴垓垠埕埘埚埙埒垸埴埯埸埤埝",
    // 0xDC
    u"蹳蹵蹷蹸蹹蹺蹻蹽蹾躀躂躃躄躆躈躉"
    u"躊躋躌躍躎躑躒躓躕躖躗躘躙躚躛躝"
    u"躟躠躡躢躣躤躥躦躧躨躩躪躭躮躰躱"
    u"躳躴躵躶躷躸躹躻躼躽躾躿軀軁軂\uFFFF"
    u"軃軄軅軆軇軈軉車軋軌軍軏軐軑軒軓"
    u"軔軕軖軗軘軙軚軛軜軝軞軟軠軡転軣"
    u"軤堋堍埽埭堀堞堙塄堠塥塬墁墉墚墀"
    u"馨鼙懿艹艽艿芏芊芨芄芎芑芗芙芫芸"
    u"芾芰苈苊苣芘芷芮苋苌苁芩芴芡芪芟"
    u"苄苎芤苡茉苷苤茏茇苜苴苒苘茌苻苓"
    u"茑茚茆茔茕苠苕茜荑荛荜茈莒茼茴茱"
    u"莛荞茯荏荇荃荟荀茗荠茭茺茳荦荥",
    // 0xDD
    u"軥軦軧軨軩軪軫軬軭軮軯軰軱軲軳軴"
    u"軵軶軷軸軹軺軻軼軽軾軿輀輁輂較輄"
    u"輅輆輇輈載輊輋輌輍輎輏輐輑輒輓輔"
    u"輕輖輗輘輙輚輛輜輝輞輟輠輡輢輣\uFFFF"
    u"輤輥輦輧輨輩輪輫輬輭輮輯輰輱輲輳"
    u"輴輵輶輷輸輹輺輻輼輽輾輿轀轁轂轃"
    u"轄荨茛荩荬荪荭荮莰荸莳莴莠莪莓莜"
    u"莅荼莶莩荽莸荻莘莞莨莺莼菁萁菥菘"
    u"堇萘萋菝菽菖萜萸萑萆菔菟萏萃菸菹"
    u"菪菅菀萦菰菡葜葑葚葙葳蒇蒈葺蒉葸"
    u"萼葆葩葶蒌蒎萱葭蓁蓍蓐蓦蒽蓓蓊蒿"
    u"蒺蓠蒡蒹蒴蒗蓥蓣蔌甍蔸蓰蔹蔟蔺",
    // 0xDE
    u"轅轆轇轈轉轊轋轌轍轎轏轐轑轒轓轔"
    u"轕轖轗轘轙轚轛轜轝轞轟轠轡轢轣轤"
    u"轥轪辀辌辒辝辠辡辢辤辥辦辧辪辬辭"
    u"辮辯農辳辴辵辷辸辺辻込辿迀迃迆\uFFFF"
    u"迉迊迋迌迍迏迒迖迗迚迠迡迣迧迬迯"
    u"迱迲迴迵迶迺迻迼迾迿逇逈逌逎逓逕"
    u"逘蕖蔻蓿蓼蕙蕈蕨蕤蕞蕺瞢蕃蕲蕻薤"
    u"薨薇薏蕹薮薜薅薹薷薰藓藁藜藿蘧蘅"
    u"蘩蘖蘼廾弈夼奁耷奕奚奘匏尢尥尬尴"
    u"扌扪抟抻拊拚拗拮挢拶挹捋捃掭揶捱"
    u"捺掎掴捭掬掊捩掮掼揲揸揠揿揄揞揎"
    u"摒揆掾摅摁搋搛搠搌搦搡摞撄摭撖",
    // 0xDF
    u"這逜連逤逥逧逨逩逪逫逬逰週進逳逴"
    u"逷逹逺逽逿遀遃遅遆遈遉遊運遌過達"
    u"違遖遙遚遜遝遞遟遠遡遤遦遧適遪遫"
    u"遬遯遰遱遲遳遶遷選遹遺遻遼遾邁\uFFFF"
    u"還邅邆邇邉邊邌邍邎邏邐邒邔邖邘邚"
    u"邜邞邟邠邤邥邧邨邩邫邭邲邷邼邽邿"
    u"郀摺撷撸撙撺擀擐擗擤擢攉攥攮弋忒"
    u"甙弑卟叱叽叩叨叻吒吖吆呋呒呓呔呖"
    u"呃吡呗呙吣吲咂咔呷呱呤咚咛咄呶呦"
    u"咝哐咭哂咴哒咧咦哓哔呲咣哕咻咿哌"
    u"哙哚哜咩咪咤哝哏哞唛哧唠哽唔哳唢"
    u"唣唏唑唧唪啧喏喵啉啭啁啕唿啐唼",
    // 0xE0
    u"郂郃郆郈郉郋郌郍郒郔郕郖郘郙郚郞"
    u"郟郠郣郤郥郩郪郬郮郰郱郲郳郵郶郷"
    u"郹郺郻郼郿鄀鄁鄃鄅鄆鄇鄈鄉鄊鄋鄌"
    u"鄍鄎鄏鄐鄑鄒鄓鄔鄕鄖鄗鄘鄚鄛鄜\uFFFF"
    u"鄝鄟鄠鄡鄤鄥鄦鄧鄨鄩鄪鄫鄬鄭鄮鄰"
    u"鄲鄳鄴鄵鄶鄷鄸鄺鄻鄼鄽鄾鄿酀酁酂"
    u"酄唷啖啵啶啷唳唰啜喋嗒喃喱喹喈喁"
    u"喟啾嗖喑啻嗟喽喾喔喙嗪嗷嗉嘟嗑嗫"
    u"嗬嗔嗦嗝嗄嗯嗥嗲嗳嗌嗍嗨嗵嗤辔嘞"
    u"嘈嘌嘁嘤嘣嗾嘀嘧嘭噘嘹噗嘬噍噢噙"
    u"噜噌噔嚆噤噱噫噻噼嚅嚓嚯囔囗囝囡"
    u"囵囫囹囿圄圊圉圜帏帙帔帑帱帻帼",
    // 0xE1
    u"酅酇酈酑酓酔酕酖酘酙酛酜酟酠酦酧"
    u"酨酫酭酳酺酻酼醀醁醂醃醄醆醈醊醎"
    u"醏醓醔醕醖醗醘醙醜醝醞醟醠醡醤醥"
    u"醦醧醨醩醫醬醰醱醲醳醶醷醸醹醻\uFFFF"
    u"醼醽醾醿釀釁釂釃釄釅釆釈釋釐釒釓"
    u"釔釕釖釗釘釙釚釛針釞釟釠釡釢釣釤"
    u"釥帷幄幔幛幞幡岌屺岍岐岖岈岘岙岑"
    u"岚岜岵岢岽岬岫岱岣峁岷峄峒峤峋峥"
    u"崂崃崧崦崮崤崞崆崛嵘崾崴崽嵬嵛嵯"
    u"嵝嵫嵋嵊嵩嵴嶂嶙嶝豳嶷巅彳彷徂徇"
    u"徉後徕徙徜徨徭徵徼衢彡犭犰犴犷犸"
    u"狃狁狎狍狒狨狯狩狲狴狷猁狳猃狺",
    // 0xE2
    u"釦釧釨釩釪釫釬釭釮釯釰釱釲釳釴釵"
    u"釶釷釸釹釺釻釼釽釾釿鈀鈁鈂鈃鈄鈅"
    u"鈆鈇鈈鈉鈊鈋鈌鈍鈎鈏鈐鈑鈒鈓鈔鈕"
    u"鈖鈗鈘鈙鈚鈛鈜鈝鈞鈟鈠鈡鈢鈣鈤\uFFFF"
    u"鈥鈦鈧鈨鈩鈪鈫鈬鈭鈮鈯鈰鈱鈲鈳鈴"
    u"鈵鈶鈷鈸鈹鈺鈻鈼鈽鈾鈿鉀鉁鉂鉃鉄"
    u"鉅狻猗猓猡猊猞猝猕猢猹猥猬猸猱獐"
    u"獍獗獠獬獯獾舛夥飧夤夂饣饧饨饩饪"
    u"饫饬饴饷饽馀馄馇馊馍馐馑馓馔馕庀"
    u"庑庋庖庥庠庹庵庾庳赓廒廑廛廨廪膺"
    u"忄忉忖忏怃忮怄忡忤忾怅怆忪忭忸怙"
    u"怵怦怛怏怍怩怫怊怿怡恸恹恻恺恂",
    // 0xE3
    u"鉆鉇鉈鉉鉊鉋鉌鉍鉎鉏鉐鉑鉒鉓鉔鉕"
    u"鉖鉗鉘鉙鉚鉛鉜鉝鉞鉟鉠鉡鉢鉣鉤鉥"
    u"鉦鉧鉨鉩鉪鉫鉬鉭鉮鉯鉰鉱鉲鉳鉵鉶"
    u"鉷鉸鉹鉺鉻鉼鉽鉾鉿銀銁銂銃銄銅\uFFFF"
    u"銆銇銈銉銊銋銌銍銏銐銑銒銓銔銕銖"
    u"銗銘銙銚銛銜銝銞銟銠銡銢銣銤銥銦"
    u"銧恪恽悖悚悭悝悃悒悌悛惬悻悱惝惘"
    u"惆惚悴愠愦愕愣惴愀愎愫慊慵憬憔憧"
    u"憷懔懵忝隳闩闫闱闳闵闶闼闾阃阄阆"
    u"阈阊阋阌阍阏阒阕阖阗阙阚丬爿戕氵"
    u"汔汜汊沣沅沐沔沌汨汩汴汶沆沩泐泔"
    u"沭泷泸泱泗沲泠泖泺泫泮沱泓泯泾",
    // 0xE4
    u"銨銩銪銫銬銭銯銰銱銲銳銴銵銶銷銸"
    u"銹銺銻銼銽銾銿鋀鋁鋂鋃鋄鋅鋆鋇鋉"
    u"鋊鋋鋌鋍鋎鋏鋐鋑鋒鋓鋔鋕鋖鋗鋘鋙"
    u"鋚鋛鋜鋝鋞鋟鋠鋡鋢鋣鋤鋥鋦鋧鋨\uFFFF"
    u"鋩鋪鋫鋬鋭鋮鋯鋰鋱鋲鋳鋴鋵鋶鋷鋸"
    u"鋹鋺鋻鋼鋽鋾鋿錀錁錂錃錄錅錆錇錈"
    u"錉洹洧洌浃浈洇洄洙洎洫浍洮洵洚浏"
    u"浒浔洳涑浯涞涠浞涓涔浜浠浼浣渚淇"
    u"淅淞渎涿淠渑淦淝淙渖涫渌涮渫湮湎"
    u"湫溲湟溆湓湔渲渥湄滟溱溘滠漭滢溥"
    u"溧溽溻溷滗溴滏溏滂溟潢潆潇漤漕滹"
    u"漯漶潋潴漪漉漩澉澍澌潸潲潼潺濑",
    // 0xE5
    u"錊錋錌錍錎錏錐錑錒錓錔錕錖錗錘錙"
    u"錚錛錜錝錞錟錠錡錢錣錤錥錦錧錨錩"
    u"錪錫錬錭錮錯錰錱録錳錴錵錶錷錸錹"
    u"錺錻錼錽錿鍀鍁鍂鍃鍄鍅鍆鍇鍈鍉\uFFFF"
    u"鍊鍋鍌鍍鍎鍏鍐鍑鍒鍓鍔鍕鍖鍗鍘鍙"
    u"鍚鍛鍜鍝鍞鍟鍠鍡鍢鍣鍤鍥鍦鍧鍨鍩"
    u"鍫濉澧澹澶濂濡濮濞濠濯瀚瀣瀛瀹瀵"
    u"灏灞宀宄宕宓宥宸甯骞搴寤寮褰寰蹇"
    u"謇辶迓迕迥迮迤迩迦迳迨逅逄逋逦逑"
    u"逍逖逡逵逶逭逯遄遑遒遐遨遘遢遛暹"
    u"遴遽邂邈邃邋彐彗彖彘尻咫屐屙孱屣"
    u"屦羼弪弩弭艴弼鬻屮妁妃妍妩妪妣",
    // 0xE6
    u"鍬鍭鍮鍯鍰鍱鍲鍳鍴鍵鍶鍷鍸鍹鍺鍻"
    u"鍼鍽鍾鍿鎀鎁鎂鎃鎄鎅鎆鎇鎈鎉鎊鎋"
    u"鎌鎍鎎鎐鎑鎒鎓鎔鎕鎖鎗鎘鎙鎚鎛鎜"
    u"鎝鎞鎟鎠鎡鎢鎣鎤鎥鎦鎧鎨鎩鎪鎫\uFFFF"
    u"鎬鎭鎮鎯鎰鎱鎲鎳鎴鎵鎶鎷鎸鎹鎺鎻"
    u"鎼鎽鎾鎿鏀鏁鏂鏃鏄鏅鏆鏇鏈鏉鏋鏌"
    u"鏍妗姊妫妞妤姒妲妯姗妾娅娆姝娈姣"
    u"姘姹娌娉娲娴娑娣娓婀婧婊婕娼婢婵"
    u"胬媪媛婷婺媾嫫媲嫒嫔媸嫠嫣嫱嫖嫦"
    u"嫘嫜嬉嬗嬖嬲嬷孀尕尜孚孥孳孑孓孢"
    u"驵驷驸驺驿驽骀骁骅骈骊骐骒骓骖骘"
    u"骛骜骝骟骠骢骣骥骧纟纡纣纥纨纩",
    // 0xE7
    u"鏎鏏鏐鏑鏒鏓鏔鏕鏗鏘鏙鏚鏛鏜鏝鏞"
    u"鏟鏠鏡鏢鏣鏤鏥鏦鏧鏨鏩鏪鏫鏬鏭鏮"
    u"鏯鏰鏱鏲鏳鏴鏵鏶鏷鏸鏹鏺鏻鏼鏽鏾"
    u"鏿鐀鐁鐂鐃鐄鐅鐆鐇鐈鐉鐊鐋鐌鐍\uFFFF"
    u"鐎鐏鐐鐑鐒鐓鐔鐕鐖鐗鐘鐙鐚鐛鐜鐝"
    u"鐞鐟鐠鐡鐢鐣鐤鐥鐦鐧鐨鐩鐪鐫鐬鐭"
    u"鐮纭纰纾绀绁绂绉绋绌绐绔绗绛绠绡"
    u"绨绫绮绯绱绲缍绶绺绻绾缁缂缃缇缈"
    u"缋缌缏缑缒缗缙缜缛缟缡缢缣缤缥缦"
    u"缧缪缫缬缭缯缰缱缲缳缵幺畿巛甾邕"
    u"玎玑玮玢玟珏珂珑玷玳珀珉珈珥珙顼"
    u"琊珩珧珞玺珲琏琪瑛琦琥琨琰琮琬",
    // 0xE8
    u"鐯鐰鐱鐲鐳鐴鐵鐶鐷鐸鐹鐺鐻鐼鐽鐿"
    u"鑀鑁鑂鑃鑄鑅鑆鑇鑈鑉鑊鑋鑌鑍鑎鑏"
    u"鑐鑑鑒鑓鑔鑕鑖鑗鑘鑙鑚鑛鑜鑝鑞鑟"
    u"鑠鑡鑢鑣鑤鑥鑦鑧鑨鑩鑪鑬鑭鑮鑯\uFFFF"
    u"鑰鑱鑲鑳鑴鑵鑶鑷鑸鑹鑺鑻鑼鑽鑾鑿"
    u"钀钁钂钃钄钑钖钘铇铏铓铔铚铦铻锜"
    u"锠琛琚瑁瑜瑗瑕瑙瑷瑭瑾璜璎璀璁璇"
    u"璋璞璨璩璐璧瓒璺韪韫韬杌杓杞杈杩"
    u"枥枇杪杳枘枧杵枨枞枭枋杷杼柰栉柘"
    u"栊柩枰栌柙枵柚枳柝栀柃枸柢栎柁柽"
    u"栲栳桠桡桎桢桄桤梃栝桕桦桁桧桀栾"
    u"桊桉栩梵梏桴桷梓桫棂楮棼椟椠棹",
    // 0xE9
    u"锧锳锽镃镈镋镕镚镠镮镴镵長镸镹镺"
    u"镻镼镽镾門閁閂閃閄閅閆閇閈閉閊開"
    u"閌閍閎閏閐閑閒間閔閕閖閗閘閙閚閛"
    u"閜閝閞閟閠閡関閣閤閥閦閧閨閩閪\uFFFF"
    u"閫閬閭閮閯閰閱閲閳閴閵閶閷閸閹閺"
    u"閻閼閽閾閿闀闁闂闃闄闅闆闇闈闉闊"
    u"闋椤棰椋椁楗棣椐楱椹楠楂楝榄楫榀"
    u"榘楸椴槌榇榈槎榉楦楣楹榛榧榻榫榭"
    u"槔榱槁槊槟榕槠榍槿樯槭樗樘橥槲橄"
    u"樾檠橐橛樵檎橹樽樨橘橼檑檐檩檗檫"
    u"猷獒殁殂殇殄殒殓殍殚殛殡殪轫轭轱"
    u"轲轳轵轶轸轷轹轺轼轾辁辂辄辇辋",
    // 0xEA
    u"闌闍闎闏闐闑闒闓闔闕闖闗闘闙闚闛"
    u"關闝闞闟闠闡闢闣闤闥闦闧闬闿阇阓"
    u"阘阛阞阠阣阤阥阦阧阨阩阫阬阭阯阰"
    u"阷阸阹阺阾陁陃陊陎陏陑陒陓陖陗\uFFFF"
    u"陘陙陚陜陝陞陠陣陥陦陫陭陮陯陰陱"
    u"陳陸陹険陻陼陽陾陿隀隁隂隃隄隇隉"
    u"隊辍辎辏辘辚軎戋戗戛戟戢戡戥戤戬"
    u"臧瓯瓴瓿甏甑甓攴旮旯旰昊昙杲昃昕"
    u"昀炅曷昝昴昱昶昵耆晟晔晁晏晖晡晗"
    u"晷暄暌暧暝暾曛曜曦曩贲贳贶贻贽赀"
    u"赅赆赈赉赇赍赕赙觇觊觋觌觎觏觐觑"
    u"牮犟牝牦牯牾牿犄犋犍犏犒挈挲掰",
    // 0xEB
    u"隌階隑隒隓隕隖隚際隝隞隟隠隡隢隣"
    u"隤隥隦隨隩險隫隬隭隮隯隱隲隴隵隷"
    u"隸隺隻隿雂雃雈雊雋雐雑雓雔雖雗雘"
    u"雙雚雛雜雝雞雟雡離難雤雥雦雧雫\uFFFF"
    u"雬雭雮雰雱雲雴雵雸雺電雼雽雿霂霃"
    u"霅霊霋霌霐霑霒霔霕霗霘霙霚霛霝霟"
    u"霠搿擘耄毪毳毽毵毹氅氇氆氍氕氘氙"
    u"氚氡氩氤氪氲攵敕敫牍牒牖爰虢刖肟"
    u"肜肓肼朊肽肱肫肭肴肷胧胨胩胪胛胂"
    u"胄胙胍胗朐胝胫胱胴胭脍脎胲胼朕脒"
    u"豚脶脞脬脘脲腈腌腓腴腙腚腱腠腩腼"
    u"腽腭腧塍媵膈膂膑滕膣膪臌朦臊膻",
    // 0xEC
    u"霡霢霣霤霥霦霧霨霩霫霬霮霯霱霳霴"
    u"霵霶霷霺霻霼霽霿靀靁靂靃靄靅靆靇"
    u"靈靉靊靋靌靍靎靏靐靑靔靕靗靘靚靜"
    u"靝靟靣靤靦靧靨靪靫靬靭靮靯靰靱\uFFFF"
    u"靲靵靷靸靹靺靻靽靾靿鞀鞁鞂鞃鞄鞆"
    u"鞇鞈鞉鞊鞌鞎鞏鞐鞓鞕鞖鞗鞙鞚鞛鞜"
    u"鞝臁膦欤欷欹歃歆歙飑飒飓飕飙飚殳"
    u"彀毂觳斐齑斓於旆旄旃旌旎旒旖炀炜"
    u"炖炝炻烀炷炫炱烨烊焐焓焖焯焱煳煜"
    u"煨煅煲煊煸煺熘熳熵熨熠燠燔燧燹爝"
    u"爨灬焘煦熹戾戽扃扈扉礻祀祆祉祛祜"
    u"祓祚祢祗祠祯祧祺禅禊禚禧禳忑忐",
    // 0xED
    u"鞞鞟鞡鞢鞤鞥鞦鞧鞨鞩鞪鞬鞮鞰鞱鞳"
    u"鞵鞶鞷鞸鞹鞺鞻鞼鞽鞾鞿韀韁韂韃韄"
    u"韅韆韇韈韉韊韋韌韍韎韏韐韑韒韓韔"
    u"韕韖韗韘韙韚韛韜韝韞韟韠韡韢韣\uFFFF"
    u"韤韥韨韮韯韰韱韲韴韷韸韹韺韻韼韽"
    u"韾響頀頁頂頃頄項順頇須頉頊頋頌頍"
    u"頎怼恝恚恧恁恙恣悫愆愍慝憩憝懋懑"
    u"戆肀聿沓泶淼矶矸砀砉砗砘砑斫砭砜"
    u"砝砹砺砻砟砼砥砬砣砩硎硭硖硗砦硐"
    u"硇硌硪碛碓碚碇碜碡碣碲碹碥磔磙磉"
    u"磬磲礅磴礓礤礞礴龛黹黻黼盱眄眍盹"
    u"眇眈眚眢眙眭眦眵眸睐睑睇睃睚睨",
    // 0xEE
    u"頏預頑頒頓頔頕頖頗領頙頚頛頜頝頞"
    u"頟頠頡頢頣頤頥頦頧頨頩頪頫頬頭頮"
    u"頯頰頱頲頳頴頵頶頷頸頹頺頻頼頽頾"
    u"頿顀顁顂顃顄顅顆顇顈顉顊顋題額\uFFFF"
    u"顎顏顐顑顒顓顔顕顖顗願顙顚顛顜顝"
    u"類顟顠顡顢顣顤顥顦顧顨顩顪顫顬顭"
    u"顮睢睥睿瞍睽瞀瞌瞑瞟瞠瞰瞵瞽町畀"
    u"畎畋畈畛畲畹疃罘罡罟詈罨罴罱罹羁"
    u"罾盍盥蠲钅钆钇钋钊钌钍钏钐钔钗钕"
    u"钚钛钜钣钤钫钪钭钬钯钰钲钴钶钷钸"
    u"钹钺钼钽钿铄铈铉铊铋铌铍铎铐铑铒"
    u"铕铖铗铙铘铛铞铟铠铢铤铥铧铨铪",
    // 0xEF
    u"顯顰顱顲顳顴颋颎颒颕颙颣風颩颪颫"
    u"颬颭颮颯颰颱颲颳颴颵颶颷颸颹颺颻"
    u"颼颽颾颿飀飁飂飃飄飅飆飇飈飉飊飋"
    u"飌飍飏飐飔飖飗飛飜飝飠飡飢飣飤\uFFFF"
    u"飥飦飩飪飫飬飭飮飯飰飱飲飳飴飵飶"
    u"飷飸飹飺飻飼飽飾飿餀餁餂餃餄餅餆"
    u"餇铩铫铮铯铳铴铵铷铹铼铽铿锃锂锆"
    u"锇锉锊锍锎锏锒锓锔锕锖锘锛锝锞锟"
    u"锢锪锫锩锬锱锲锴锶锷锸锼锾锿镂锵"
    u"镄镅镆镉镌镎镏镒镓镔镖镗镘镙镛镞"
    u"镟镝镡镢镤镥镦镧镨镩镪镫镬镯镱镲"
    u"镳锺矧矬雉秕秭秣秫稆嵇稃稂稞稔",
    // 0xF0
    u"餈餉養餋餌餎餏餑餒餓餔餕餖餗餘餙"
    u"餚餛餜餝餞餟餠餡餢餣餤餥餦餧館餩"
    u"餪餫餬餭餯餰餱餲餳餴餵餶餷餸餹餺"
    u"餻餼餽餾餿饀饁饂饃饄饅饆饇饈饉\uFFFF"
    u"饊饋饌饍饎饏饐饑饒饓饖饗饘饙饚饛"
    u"饜饝饞饟饠饡饢饤饦饳饸饹饻饾馂馃"
    u"馉稹稷穑黏馥穰皈皎皓皙皤瓞瓠甬鸠"
    u"鸢鸨鸩鸪鸫鸬鸲鸱鸶鸸鸷鸹鸺鸾鹁鹂"
    u"鹄鹆鹇鹈鹉鹋鹌鹎鹑鹕鹗鹚鹛鹜鹞鹣"
    u"鹦鹧鹨鹩鹪鹫鹬鹱鹭鹳疒疔疖疠疝疬"
    u"疣疳疴疸痄疱疰痃痂痖痍痣痨痦痤痫"
    u"痧瘃痱痼痿瘐瘀瘅瘌瘗瘊瘥瘘瘕瘙",
    // 0xF1
    u"馌馎馚馛馜馝馞馟馠馡馢馣馤馦馧馩"
    u"馪馫馬馭馮馯馰馱馲馳馴馵馶馷馸馹"
    u"馺馻馼馽馾馿駀駁駂駃駄駅駆駇駈駉"
    u"駊駋駌駍駎駏駐駑駒駓駔駕駖駗駘\uFFFF"
    u"駙駚駛駜駝駞駟駠駡駢駣駤駥駦駧駨"
    u"駩駪駫駬駭駮駯駰駱駲駳駴駵駶駷駸"
    u"駹瘛瘼瘢瘠癀瘭瘰瘿瘵癃瘾瘳癍癞癔"
    u"癜癖癫癯翊竦穸穹窀窆窈窕窦窠窬窨"
    u"窭窳衤衩衲衽衿袂袢裆袷袼裉裢裎裣"
    u"裥裱褚裼裨裾裰褡褙褓褛褊褴褫褶襁"
    u"襦襻疋胥皲皴矜耒耔耖耜耠耢耥耦耧"
    u"耩耨耱耋耵聃聆聍聒聩聱覃顸颀颃",
    // 0xF2
    u"駺駻駼駽駾駿騀騁騂騃騄騅騆騇騈騉"
    u"騊騋騌騍騎騏騐騑騒験騔騕騖騗騘騙"
    u"騚騛騜騝騞騟騠騡騢騣騤騥騦騧騨騩"
    u"騪騫騬騭騮騯騰騱騲騳騴騵騶騷騸\uFFFF"
    u"騹騺騻騼騽騾騿驀驁驂驃驄驅驆驇驈"
    u"驉驊驋驌驍驎驏驐驑驒驓驔驕驖驗驘"
    u"驙颉颌颍颏颔颚颛颞颟颡颢颥颦虍虔"
    u"虬虮虿虺虼虻蚨蚍蚋蚬蚝蚧蚣蚪蚓蚩"
    u"蚶蛄蚵蛎蚰蚺蚱蚯蛉蛏蚴蛩蛱蛲蛭蛳"
    u"蛐蜓蛞蛴蛟蛘蛑蜃蜇蛸蜈蜊蜍蜉蜣蜻"
    u"蜞蜥蜮蜚蜾蝈蜴蜱蜩蜷蜿螂蜢蝽蝾蝻"
    u"蝠蝰蝌蝮螋蝓蝣蝼蝤蝙蝥螓螯螨蟒",
    // 0xF3
    u"驚驛驜驝驞驟驠驡驢驣驤驥驦驧驨驩"
    u"驪驫驲骃骉骍骎骔骕骙骦骩骪骫骬骭"
    u"骮骯骲骳骴骵骹骻骽骾骿髃髄髆髇髈"
    u"髉髊髍髎髏髐髒體髕髖髗髙髚髛髜\uFFFF"
    u"髝髞髠髢髣髤髥髧髨髩髪髬髮髰髱髲"
    u"髳髴髵髶髷髸髺髼髽髾髿鬀鬁鬂鬄鬅"
    u"鬆蟆螈螅螭螗螃螫蟥螬螵螳蟋蟓螽蟑"
    u"蟀蟊蟛蟪蟠蟮蠖蠓蟾蠊蠛蠡蠹蠼缶罂"
    u"罄罅舐竺竽笈笃笄笕笊笫笏筇笸笪笙"
    u"笮笱笠笥笤笳笾笞筘筚筅筵筌筝筠筮"
    u"筻筢筲筱箐箦箧箸箬箝箨箅箪箜箢箫"
    u"箴篑篁篌篝篚篥篦篪簌篾篼簏簖簋",
    // 0xF4
    u"鬇鬉鬊鬋鬌鬍鬎鬐鬑鬒鬔鬕鬖鬗鬘鬙"
    u"鬚鬛鬜鬝鬞鬠鬡鬢鬤鬥鬦鬧鬨鬩鬪鬫"
    u"鬬鬭鬮鬰鬱鬳鬴鬵鬶鬷鬸鬹鬺鬽鬾鬿"
    u"魀魆魊魋魌魎魐魒魓魕魖魗魘魙魚\uFFFF"
    u"魛魜魝魞魟魠魡魢魣魤魥魦魧魨魩魪"
    u"魫魬魭魮魯魰魱魲魳魴魵魶魷魸魹魺"
    u"魻簟簪簦簸籁籀臾舁舂舄臬衄舡舢舣"
    u"舭舯舨舫舸舻舳舴舾艄艉艋艏艚艟艨"
    u"衾袅袈裘裟襞羝羟羧羯羰羲籼敉粑粝"
    u"粜粞粢粲粼粽糁糇糌糍糈糅糗糨艮暨"
    u"羿翎翕翥翡翦翩翮翳糸絷綦綮繇纛麸"
    u"麴赳趄趔趑趱赧赭豇豉酊酐酎酏酤",
    // 0xF5
    u"魼魽魾魿鮀鮁鮂鮃鮄鮅鮆鮇鮈鮉鮊鮋"
    u"鮌鮍鮎鮏鮐鮑鮒鮓鮔鮕鮖鮗鮘鮙鮚鮛"
    u"鮜鮝鮞鮟鮠鮡鮢鮣鮤鮥鮦鮧鮨鮩鮪鮫"
    u"鮬鮭鮮鮯鮰鮱鮲鮳鮴鮵鮶鮷鮸鮹鮺\uFFFF"
    u"鮻鮼鮽鮾鮿鯀鯁鯂鯃鯄鯅鯆鯇鯈鯉鯊"
    u"鯋鯌鯍鯎鯏鯐鯑鯒鯓鯔鯕鯖鯗鯘鯙鯚"
    u"鯛酢酡酰酩酯酽酾酲酴酹醌醅醐醍醑"
    u"醢醣醪醭醮醯醵醴醺豕鹾趸跫踅蹙蹩"
    u"趵趿趼趺跄跖跗跚跞跎跏跛跆跬跷跸"
    u"跣跹跻跤踉跽踔踝踟踬踮踣踯踺蹀踹"
    u"踵踽踱蹉蹁蹂蹑蹒蹊蹰蹶蹼蹯蹴躅躏"
    u"躔躐躜躞豸貂貊貅貘貔斛觖觞觚觜",
    // 0xF6
    u"鯜鯝鯞鯟鯠鯡鯢鯣鯤鯥鯦鯧鯨鯩鯪鯫"
    u"鯬鯭鯮鯯鯰鯱鯲鯳鯴鯵鯶鯷鯸鯹鯺鯻"
    u"鯼鯽鯾鯿鰀鰁鰂鰃鰄鰅鰆鰇鰈鰉鰊鰋"
    u"鰌鰍鰎鰏鰐鰑鰒鰓鰔鰕鰖鰗鰘鰙鰚\uFFFF"
    u"鰛鰜鰝鰞鰟鰠鰡鰢鰣鰤鰥鰦鰧鰨鰩鰪"
    u"鰫鰬鰭鰮鰯鰰鰱鰲鰳鰴鰵鰶鰷鰸鰹鰺"
    u"鰻觥觫觯訾謦靓雩雳雯霆霁霈霏霎霪"
    u"霭霰霾龀龃龅龆龇龈龉龊龌黾鼋鼍隹"
    u"隼隽雎雒瞿雠銎銮鋈錾鍪鏊鎏鐾鑫鱿"
    u"鲂鲅鲆鲇鲈稣鲋鲎鲐鲑鲒鲔鲕鲚鲛鲞"
    u"鲟鲠鲡鲢鲣鲥鲦鲧鲨鲩鲫鲭鲮鲰鲱鲲"
    u"鲳鲴鲵鲶鲷鲺鲻鲼鲽鳄鳅鳆鳇鳊鳋",
    // 0xF7
    u"鰼鰽鰾鰿鱀鱁鱂鱃鱄鱅鱆鱇鱈鱉鱊鱋"
    u"鱌鱍鱎鱏鱐鱑鱒鱓鱔鱕鱖鱗鱘鱙鱚鱛"
    u"鱜鱝鱞鱟鱠鱡鱢鱣鱤鱥鱦鱧鱨鱩鱪鱫"
    u"鱬鱭鱮鱯鱰鱱鱲鱳鱴鱵鱶鱷鱸鱹鱺\uFFFF"
    u"鱻鱽鱾鲀鲃鲄鲉鲊鲌鲏鲓鲖鲗鲘鲙鲝"
    u"鲪鲬鲯鲹鲾鲿鳀鳁鳂鳈鳉鳑鳒鳚鳛鳠"
    u"鳡鳌鳍鳎鳏鳐鳓鳔鳕鳗鳘鳙鳜鳝鳟鳢"
    u"靼鞅鞑鞒鞔鞯鞫鞣鞲鞴骱骰骷鹘骶骺"
    u"骼髁髀髅髂髋髌髑魅魃魇魉魈魍魑飨"
    u"餍餮饕饔髟髡髦髯髫髻髭髹鬈鬏鬓鬟"
    u"鬣麽麾縻麂麇麈麋麒鏖麝麟黛黜黝黠"
    u"黟黢黩黧黥黪黯鼢鼬鼯鼹鼷鼽鼾齄",
    // 0xF8
    u"鳣鳤鳥鳦鳧鳨鳩鳪鳫鳬鳭鳮鳯鳰鳱鳲"
    u"鳳鳴鳵鳶鳷鳸鳹鳺鳻鳼鳽鳾鳿鴀鴁鴂"
    u"鴃鴄鴅鴆鴇鴈鴉鴊鴋鴌鴍鴎鴏鴐鴑鴒"
    u"鴓鴔鴕鴖鴗鴘鴙鴚鴛鴜鴝鴞鴟鴠鴡\uFFFF"
    u"鴢鴣鴤鴥鴦鴧鴨鴩鴪鴫鴬鴭鴮鴯鴰鴱"
    u"鴲鴳鴴鴵鴶鴷鴸鴹鴺鴻鴼鴽鴾鴿鵀鵁"
    u"鵂\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xF9
    u"鵃鵄鵅鵆鵇鵈鵉鵊鵋鵌鵍鵎鵏鵐鵑鵒"
    u"鵓鵔鵕鵖鵗鵘鵙鵚鵛鵜鵝鵞鵟鵠鵡鵢"
    u"鵣鵤鵥鵦鵧鵨鵩鵪鵫鵬鵭鵮鵯鵰鵱鵲"
    u"鵳鵴鵵鵶鵷鵸鵹鵺鵻鵼鵽鵾鵿鶀鶁\uFFFF"
    u"鶂鶃鶄鶅鶆鶇鶈鶉鶊鶋鶌鶍鶎鶏鶐鶑"
    u"鶒鶓鶔鶕鶖鶗鶘鶙鶚鶛鶜鶝鶞鶟鶠鶡"
    u"鶢\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xFA
    u"鶣鶤鶥鶦鶧鶨鶩鶪鶫鶬鶭鶮鶯鶰鶱鶲"
    u"鶳鶴鶵鶶鶷鶸鶹鶺鶻鶼鶽鶾鶿鷀鷁鷂"
    u"鷃鷄鷅鷆鷇鷈鷉鷊鷋鷌鷍鷎鷏鷐鷑鷒"
    u"鷓鷔鷕鷖鷗鷘鷙鷚鷛鷜鷝鷞鷟鷠鷡\uFFFF"
    u"鷢鷣鷤鷥鷦鷧鷨鷩鷪鷫鷬鷭鷮鷯鷰鷱"
    u"鷲鷳鷴鷵鷶鷷鷸鷹鷺鷻鷼鷽鷾鷿鸀鸁"
    u"鸂\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xFB
    u"鸃鸄鸅鸆鸇鸈鸉鸊鸋鸌鸍鸎鸏鸐鸑鸒"
    u"鸓鸔鸕鸖鸗鸘鸙鸚鸛鸜鸝鸞鸤鸧鸮鸰"
    u"鸴鸻鸼鹀鹍鹐鹒鹓鹔鹖鹙鹝鹟鹠鹡鹢"
    u"鹥鹮鹯鹲鹴鹵鹶鹷鹸鹹鹺鹻鹼鹽麀\uFFFF"
    u"麁麃麄麅麆麉麊麌麍麎麏麐麑麔麕麖"
    u"麗麘麙麚麛麜麞麠麡麢麣麤麥麧麨麩"
    u"麪\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xFC
    u"麫麬麭麮麯麰麱麲麳麵麶麷麹麺麼麿"
    u"黀黁黂黃黅黆黇黈黊黋黌黐黒黓黕黖"
    u"黗黙黚點黡黣黤黦黨黫黬黭黮黰黱黲"
    u"黳黴黵黶黷黸黺黽黿鼀鼁鼂鼃鼄鼅\uFFFF"
    u"鼆鼇鼈鼉鼊鼌鼏鼑鼒鼔鼕鼖鼘鼚鼛鼜"
    u"鼝鼞鼟鼡鼣鼤鼥鼦鼧鼨鼩鼪鼫鼭鼮鼰"
    u"鼱\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xFD
    u"鼲鼳鼴鼵鼶鼸鼺鼼鼿齀齁齂齃齅齆齇"
    u"齈齉齊齋齌齍齎齏齒齓齔齕齖齗齘齙"
    u"齚齛齜齝齞齟齠齡齢齣齤齥齦齧齨齩"
    u"齪齫齬齭齮齯齰齱齲齳齴齵齶齷齸\uFFFF"
    u"齹齺齻齼齽齾龁龂龍龎龏龐龑龒龓龔"
    u"龕龖龗龘龜龝龞龡龢龣龤龥\uF92C\uF979\uF995\uF9E7"
    u"\uF9F1\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xFE
    u"\uFA0C\uFA0D﨎﨏﨑﨓﨔\uFA18﨟\uFA20﨡﨣﨤﨧﨨﨩"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    {},
}};

// Windows-949: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper949 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-949: for each lead byte from 0x80 to 0xFF, its trail bytes 0x40 to 0xFE.
constexpr std::array<std::u16string_view, 128> pairs949 = {{
    {},
    // 0x81
    u"\uFFFF갂갃갅갆갋갌갍갎갏갘갞갟갡갢갣"
    u"갥갦갧갨갩갪갫갮갲갳갴\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF갵갶갷갺갻갽갾갿걁걂걃걄걅걆걇"
    u"걈걉걊걌걎걏걐걑걒걓걕\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF걖걗걙걚걛걝걞걟걠걡걢걣걤걥걦"
    u"걧걨걩걪걫걬걭걮걯걲걳걵걶걹걻걼"
    u"걽걾걿겂겇겈겍겎겏겑겒겓겕겖겗겘"
    u"겙겚겛겞겢겣겤겥겦겧겫겭겮겱겲겳"
    u"겴겵겶겷겺겾겿곀곂곃곅곆곇곉곊곋"
    u"곍곎곏곐곑곒곓곔곖곘곙곚곛곜곝곞"
    u"곟곢곣곥곦곩곫곭곮곲곴곷곸곹곺곻"
    u"곾곿괁괂괃괅괇괈괉괊괋괎괐괒괓",
    // 0x82
    u"\uFFFF괔괕괖괗괙괚괛괝괞괟괡괢괣괤괥"
    u"괦괧괨괪괫괮괯괰괱괲괳\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF괶괷괹괺괻괽괾괿굀굁굂굃굆굈굊"
    u"굋굌굍굎굏굑굒굓굕굖굗\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF굙굚굛굜굝굞굟굠굢굤굥굦굧굨굩"
    u"굪굫굮굯굱굲굷굸굹굺굾궀궃궄궅궆"
    u"궇궊궋궍궎궏궑궒궓궔궕궖궗궘궙궚"
    u"궛궞궟궠궡궢궣궥궦궧궨궩궪궫궬궭"
    u"궮궯궰궱궲궳궴궵궶궸궹궺궻궼궽궾"
    u"궿귂귃귅귆귇귉귊귋귌귍귎귏귒귔귕"
    u"귖귗귘귙귚귛귝귞귟귡귢귣귥귦귧귨"
    u"귩귪귫귬귭귮귯귰귱귲귳귴귵귶귷",
    // 0x83
    u"\uFFFF귺귻귽귾긂긃긄긅긆긇긊긌긎긏긐"
    u"긑긒긓긕긖긗긘긙긚긛긜\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF긝긞긟긠긡긢긣긤긥긦긧긨긩긪긫"
    u"긬긭긮긯긲긳긵긶긹긻긼\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF긽긾긿깂깄깇깈깉깋깏깑깒깓깕깗"
    u"깘깙깚깛깞깢깣깤깦깧깪깫깭깮깯깱"
    u"깲깳깴깵깶깷깺깾깿꺀꺁꺂꺃꺆꺇꺈"
    u"꺉꺊꺋꺍꺎꺏꺐꺑꺒꺓꺔꺕꺖꺗꺘꺙"
    u"꺚꺛꺜꺝꺞꺟꺠꺡꺢꺣꺤꺥꺦꺧꺨꺩"
    u"꺪꺫꺬꺭꺮꺯꺰꺱꺲꺳꺴꺵꺶꺷꺸꺹"
    u"꺺꺻꺿껁껂껃껅껆껇껈껉껊껋껎껒껓"
    u"껔껕껖껗껚껛껝껞껟껠껡껢껣껤껥",
    // 0x84
    u"\uFFFF껦껧껩껪껬껮껯껰껱껲껳껵껶껷껹"
    u"껺껻껽껾껿꼀꼁꼂꼃꼄꼅\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF꼆꼉꼊꼋꼌꼎꼏꼑꼒꼓꼔꼕꼖꼗꼘"
    u"꼙꼚꼛꼜꼝꼞꼟꼠꼡꼢꼣\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF꼤꼥꼦꼧꼨꼩꼪꼫꼮꼯꼱꼳꼵꼶꼷"
    u"꼸꼹꼺꼻꼾꽀꽄꽅꽆꽇꽊꽋꽌꽍꽎꽏"
    u"꽑꽒꽓꽔꽕꽖꽗꽘꽙꽚꽛꽞꽟꽠꽡꽢"
    u"꽣꽦꽧꽨꽩꽪꽫꽬꽭꽮꽯꽰꽱꽲꽳꽴"
    u"꽵꽶꽷꽸꽺꽻꽼꽽꽾꽿꾁꾂꾃꾅꾆꾇"
    u"꾉꾊꾋꾌꾍꾎꾏꾒꾓꾔꾖꾗꾘꾙꾚꾛"
    u"꾝꾞꾟꾠꾡꾢꾣꾤꾥꾦꾧꾨꾩꾪꾫꾬"
    u"꾭꾮꾯꾰꾱꾲꾳꾴꾵꾶꾷꾺꾻꾽꾾",
    // 0x85
    u"\uFFFF꾿꿁꿂꿃꿄꿅꿆꿊꿌꿏꿐꿑꿒꿓꿕"
    u"꿖꿗꿘꿙꿚꿛꿝꿞꿟꿠꿡\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF꿢꿣꿤꿥꿦꿧꿪꿫꿬꿭꿮꿯꿲꿳꿵"
    u"꿶꿷꿹꿺꿻꿼꿽꿾꿿뀂뀃\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뀅뀆뀇뀈뀉뀊뀋뀍뀎뀏뀑뀒뀓뀕뀖"
    u"뀗뀘뀙뀚뀛뀞뀟뀠뀡뀢뀣뀤뀥뀦뀧뀩"
    u"뀪뀫뀬뀭뀮뀯뀰뀱뀲뀳뀴뀵뀶뀷뀸뀹"
    u"뀺뀻뀼뀽뀾뀿끀끁끂끃끆끇끉끋끍끏"
    u"끐끑끒끖끘끚끛끜끞끟끠끡끢끣끤끥"
    u"끦끧끨끩끪끫끬끭끮끯끰끱끲끳끴끵"
    u"끶끷끸끹끺끻끾끿낁낂낃낅낆낇낈낉"
    u"낊낋낎낐낒낓낔낕낖낗낛낝낞낣낤",
    // 0x86
    u"\uFFFF낥낦낧낪낰낲낶낷낹낺낻낽낾낿냀"
    u"냁냂냃냆냊냋냌냍냎냏냒\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF냓냕냖냗냙냚냛냜냝냞냟냡냢냣냤"
    u"냦냧냨냩냪냫냬냭냮냯냰\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF냱냲냳냴냵냶냷냸냹냺냻냼냽냾냿"
    u"넀넁넂넃넄넅넆넇넊넍넎넏넑넔넕넖"
    u"넗넚넞넟넠넡넢넦넧넩넪넫넭넮넯넰"
    u"넱넲넳넶넺넻넼넽넾넿녂녃녅녆녇녉"
    u"녊녋녌녍녎녏녒녓녖녗녙녚녛녝녞녟"
    u"녡녢녣녤녥녦녧녨녩녪녫녬녭녮녯녰"
    u"녱녲녳녴녵녶녷녺녻녽녾녿놁놃놄놅"
    u"놆놇놊놌놎놏놐놑놕놖놗놙놚놛놝",
    // 0x87
    u"\uFFFF놞놟놠놡놢놣놤놥놦놧놩놪놫놬놭"
    u"놮놯놰놱놲놳놴놵놶놷놸\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF놹놺놻놼놽놾놿뇀뇁뇂뇃뇄뇅뇆뇇"
    u"뇈뇉뇊뇋뇍뇎뇏뇑뇒뇓뇕\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뇖뇗뇘뇙뇚뇛뇞뇠뇡뇢뇣뇤뇥뇦뇧"
    u"뇪뇫뇭뇮뇯뇱뇲뇳뇴뇵뇶뇷뇸뇺뇼뇾"
    u"뇿눀눁눂눃눆눇눉눊눍눎눏눐눑눒눓"
    u"눖눘눚눛눜눝눞눟눡눢눣눤눥눦눧눨"
    u"눩눪눫눬눭눮눯눰눱눲눳눵눶눷눸눹"
    u"눺눻눽눾눿뉀뉁뉂뉃뉄뉅뉆뉇뉈뉉뉊"
    u"뉋뉌뉍뉎뉏뉐뉑뉒뉓뉔뉕뉖뉗뉙뉚뉛"
    u"뉝뉞뉟뉡뉢뉣뉤뉥뉦뉧뉪뉫뉬뉭뉮",
    // 0x88
    u"\uFFFF뉯뉰뉱뉲뉳뉶뉷뉸뉹뉺뉻뉽뉾뉿늀"
    u"늁늂늃늆늇늈늊늋늌늍늎\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF늏늒늓늕늖늗늛늜늝늞늟늢늤늧늨"
    u"늩늫늭늮늯늱늲늳늵늶늷\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF늸늹늺늻늼늽늾늿닀닁닂닃닄닅닆"
    u"닇닊닋닍닎닏닑닓닔닕닖닗닚닜닞닟"
    u"닠닡닣닧닩닪닰닱닲닶닼닽닾댂댃댅"
    u"댆댇댉댊댋댌댍댎댏댒댖댗댘댙댚댛"
    u"댝댞댟댠댡댢댣댤댥댦댧댨댩댪댫댬"
    u"댭댮댯댰댱댲댳댴댵댶댷댸댹댺댻댼"
    u"댽댾댿덀덁덂덃덄덅덆덇덈덉덊덋덌"
    u"덍덎덏덐덑덒덓덗덙덚덝덠덡덢덣",
    // 0x89
    u"\uFFFF덦덨덪덬덭덯덲덳덵덶덷덹덺덻덼"
    u"덽덾덿뎂뎆뎇뎈뎉뎊뎋뎍\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뎎뎏뎑뎒뎓뎕뎖뎗뎘뎙뎚뎛뎜뎝뎞"
    u"뎟뎢뎣뎤뎥뎦뎧뎩뎪뎫뎭\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뎮뎯뎰뎱뎲뎳뎴뎵뎶뎷뎸뎹뎺뎻뎼"
    u"뎽뎾뎿돀돁돂돃돆돇돉돊돍돏돑돒돓"
    u"돖돘돚돜돞돟돡돢돣돥돦돧돩돪돫돬"
    u"돭돮돯돰돱돲돳돴돵돶돷돸돹돺돻돽"
    u"돾돿됀됁됂됃됄됅됆됇됈됉됊됋됌됍"
    u"됎됏됑됒됓됔됕됖됗됙됚됛됝됞됟됡"
    u"됢됣됤됥됦됧됪됬됭됮됯됰됱됲됳됵"
    u"됶됷됸됹됺됻됼됽됾됿둀둁둂둃둄",
    // 0x8A
    u"\uFFFF둅둆둇둈둉둊둋둌둍둎둏둒둓둕둖"
    u"둗둙둚둛둜둝둞둟둢둤둦\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF둧둨둩둪둫둭둮둯둰둱둲둳둴둵둶"
    u"둷둸둹둺둻둼둽둾둿뒁뒂\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뒃뒄뒅뒆뒇뒉뒊뒋뒌뒍뒎뒏뒐뒑뒒"
    u"뒓뒔뒕뒖뒗뒘뒙뒚뒛뒜뒞뒟뒠뒡뒢뒣"
    u"뒥뒦뒧뒩뒪뒫뒭뒮뒯뒰뒱뒲뒳뒴뒶뒸"
    u"뒺뒻뒼뒽뒾뒿듁듂듃듅듆듇듉듊듋듌"
    u"듍듎듏듑듒듓듔듖듗듘듙듚듛듞듟듡"
    u"듢듥듧듨듩듪듫듮듰듲듳듴듵듶듷듹"
    u"듺듻듼듽듾듿딀딁딂딃딄딅딆딇딈딉"
    u"딊딋딌딍딎딏딐딑딒딓딖딗딙딚딝",
    // 0x8B
    u"\uFFFF딞딟딠딡딢딣딦딫딬딭딮딯딲딳딵"
    u"딶딷딹딺딻딼딽딾딿땂땆\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF땇땈땉땊땎땏땑땒땓땕땖땗땘땙땚"
    u"땛땞땢땣땤땥땦땧땨땩땪\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF땫땬땭땮땯땰땱땲땳땴땵땶땷땸땹"
    u"땺땻땼땽땾땿떀떁떂떃떄떅떆떇떈떉"
    u"떊떋떌떍떎떏떐떑떒떓떔떕떖떗떘떙"
    u"떚떛떜떝떞떟떢떣떥떦떧떩떬떭떮떯"
    u"떲떶떷떸떹떺떾떿뗁뗂뗃뗅뗆뗇뗈뗉"
    u"뗊뗋뗎뗒뗓뗔뗕뗖뗗뗙뗚뗛뗜뗝뗞뗟"
    u"뗠뗡뗢뗣뗤뗥뗦뗧뗨뗩뗪뗫뗭뗮뗯뗰"
    u"뗱뗲뗳뗴뗵뗶뗷뗸뗹뗺뗻뗼뗽뗾뗿",
    // 0x8C
    u"\uFFFF똀똁똂똃똄똅똆똇똈똉똊똋똌똍똎"
    u"똏똒똓똕똖똗똙똚똛똜똝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF똞똟똠똡똢똣똤똦똧똨똩똪똫똭똮"
    u"똯똰똱똲똳똵똶똷똸똹똺\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF똻똼똽똾똿뙀뙁뙂뙃뙄뙅뙆뙇뙉뙊"
    u"뙋뙌뙍뙎뙏뙐뙑뙒뙓뙔뙕뙖뙗뙘뙙뙚"
    u"뙛뙜뙝뙞뙟뙠뙡뙢뙣뙥뙦뙧뙩뙪뙫뙬"
    u"뙭뙮뙯뙰뙱뙲뙳뙴뙵뙶뙷뙸뙹뙺뙻뙼"
    u"뙽뙾뙿뚀뚁뚂뚃뚄뚅뚆뚇뚈뚉뚊뚋뚌"
    u"뚍뚎뚏뚐뚑뚒뚓뚔뚕뚖뚗뚘뚙뚚뚛뚞"
    u"뚟뚡뚢뚣뚥뚦뚧뚨뚩뚪뚭뚮뚯뚰뚲뚳"
    u"뚴뚵뚶뚷뚸뚹뚺뚻뚼뚽뚾뚿뛀뛁뛂",
    // 0x8D
    u"\uFFFF뛃뛄뛅뛆뛇뛈뛉뛊뛋뛌뛍뛎뛏뛐뛑"
    u"뛒뛓뛕뛖뛗뛘뛙뛚뛛뛜뛝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뛞뛟뛠뛡뛢뛣뛤뛥뛦뛧뛨뛩뛪뛫뛬"
    u"뛭뛮뛯뛱뛲뛳뛵뛶뛷뛹뛺\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뛻뛼뛽뛾뛿뜂뜃뜄뜆뜇뜈뜉뜊뜋뜌"
    u"뜍뜎뜏뜐뜑뜒뜓뜔뜕뜖뜗뜘뜙뜚뜛뜜"
    u"뜝뜞뜟뜠뜡뜢뜣뜤뜥뜦뜧뜪뜫뜭뜮뜱"
    u"뜲뜳뜴뜵뜶뜷뜺뜼뜽뜾뜿띀띁띂띃띅"
    u"띆띇띉띊띋띍띎띏띐띑띒띓띖띗띘띙"
    u"띚띛띜띝띞띟띡띢띣띥띦띧띩띪띫띬"
    u"띭띮띯띲띴띶띷띸띹띺띻띾띿랁랂랃"
    u"랅랆랇랈랉랊랋랎랓랔랕랚랛랝랞",
    // 0x8E
    u"\uFFFF랟랡랢랣랤랥랦랧랪랮랯랰랱랲랳"
    u"랶랷랹랺랻랼랽랾랿럀럁\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF럂럃럄럅럆럈럊럋럌럍럎럏럐럑럒"
    u"럓럔럕럖럗럘럙럚럛럜럝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF럞럟럠럡럢럣럤럥럦럧럨럩럪럫럮"
    u"럯럱럲럳럵럶럷럸럹럺럻럾렂렃렄렅"
    u"렆렊렋렍렎렏렑렒렓렔렕렖렗렚렜렞"
    u"렟렠렡렢렣렦렧렩렪렫렭렮렯렰렱렲"
    u"렳렶렺렻렼렽렾렿롁롂롃롅롆롇롈롉"
    u"롊롋롌롍롎롏롐롒롔롕롖롗롘롙롚롛"
    u"롞롟롡롢롣롥롦롧롨롩롪롫롮롰롲롳"
    u"롴롵롶롷롹롺롻롽롾롿뢀뢁뢂뢃뢄",
    // 0x8F
    u"\uFFFF뢅뢆뢇뢈뢉뢊뢋뢌뢎뢏뢐뢑뢒뢓뢔"
    u"뢕뢖뢗뢘뢙뢚뢛뢜뢝뢞뢟\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뢠뢡뢢뢣뢤뢥뢦뢧뢩뢪뢫뢬뢭뢮뢯"
    u"뢱뢲뢳뢵뢶뢷뢹뢺뢻뢼뢽\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뢾뢿룂룄룆룇룈룉룊룋룍룎룏룑룒"
    u"룓룕룖룗룘룙룚룛룜룞룠룢룣룤룥룦"
    u"룧룪룫룭룮룯룱룲룳룴룵룶룷룺룼룾"
    u"룿뤀뤁뤂뤃뤅뤆뤇뤈뤉뤊뤋뤌뤍뤎뤏"
    u"뤐뤑뤒뤓뤔뤕뤖뤗뤙뤚뤛뤜뤝뤞뤟뤡"
    u"뤢뤣뤤뤥뤦뤧뤨뤩뤪뤫뤬뤭뤮뤯뤰뤱"
    u"뤲뤳뤴뤵뤶뤷뤸뤹뤺뤻뤾뤿륁륂륃륅"
    u"륆륇륈륉륊륋륍륎륐륒륓륔륕륖륗",
    // 0x90
    u"\uFFFF륚륛륝륞륟륡륢륣륤륥륦륧륪륬륮"
    u"륯륰륱륲륳륶륷륹륺륻륽\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF륾륿릀릁릂릃릆릈릋릌릏릐릑릒릓"
    u"릔릕릖릗릘릙릚릛릜릝릞\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF릟릠릡릢릣릤릥릦릧릨릩릪릫릮릯"
    u"릱릲릳릵릶릷릸릹릺릻릾맀맂맃맄맅"
    u"맆맇맊맋맍맓맔맕맖맗맚맜맟맠맢맦"
    u"맧맩맪맫맭맮맯맰맱맲맳맶맻맼맽맾"
    u"맿먂먃먄먅먆먇먉먊먋먌먍먎먏먐먑"
    u"먒먓먔먖먗먘먙먚먛먜먝먞먟먠먡먢"
    u"먣먤먥먦먧먨먩먪먫먬먭먮먯먰먱먲"
    u"먳먴먵먶먷먺먻먽먾먿멁멃멄멅멆",
    // 0x91
    u"\uFFFF멇멊멌멏멐멑멒멖멗멙멚멛멝멞멟"
    u"멠멡멢멣멦멪멫멬멭멮멯\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF멲멳멵멶멷멹멺멻멼멽멾멿몀몁몂"
    u"몆몈몉몊몋몍몎몏몐몑몒\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF몓몔몕몖몗몘몙몚몛몜몝몞몟몠몡"
    u"몢몣몤몥몦몧몪몭몮몯몱몳몴몵몶몷"
    u"몺몼몾몿뫀뫁뫂뫃뫅뫆뫇뫉뫊뫋뫌뫍"
    u"뫎뫏뫐뫑뫒뫓뫔뫕뫖뫗뫚뫛뫜뫝뫞뫟"
    u"뫠뫡뫢뫣뫤뫥뫦뫧뫨뫩뫪뫫뫬뫭뫮뫯"
    u"뫰뫱뫲뫳뫴뫵뫶뫷뫸뫹뫺뫻뫽뫾뫿묁"
    u"묂묃묅묆묇묈묉묊묋묌묎묐묒묓묔묕"
    u"묖묗묙묚묛묝묞묟묡묢묣묤묥묦묧",
    // 0x92
    u"\uFFFF묨묪묬묭묮묯묰묱묲묳묷묹묺묿뭀"
    u"뭁뭂뭃뭆뭈뭊뭋뭌뭎뭑뭒\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뭓뭕뭖뭗뭙뭚뭛뭜뭝뭞뭟뭠뭢뭤뭥"
    u"뭦뭧뭨뭩뭪뭫뭭뭮뭯뭰뭱\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뭲뭳뭴뭵뭶뭷뭸뭹뭺뭻뭼뭽뭾뭿뮀"
    u"뮁뮂뮃뮄뮅뮆뮇뮉뮊뮋뮍뮎뮏뮑뮒뮓"
    u"뮔뮕뮖뮗뮘뮙뮚뮛뮜뮝뮞뮟뮠뮡뮢뮣"
    u"뮥뮦뮧뮩뮪뮫뮭뮮뮯뮰뮱뮲뮳뮵뮶뮸"
    u"뮹뮺뮻뮼뮽뮾뮿믁믂믃믅믆믇믉믊믋"
    u"믌믍믎믏믑믒믔믕믖믗믘믙믚믛믜믝"
    u"믞믟믠믡믢믣믤믥믦믧믨믩믪믫믬믭"
    u"믮믯믰믱믲믳믴믵믶믷믺믻믽믾밁",
    // 0x93
    u"\uFFFF밃밄밅밆밇밊밎밐밒밓밙밚밠밡밢"
    u"밣밦밨밪밫밬밮밯밲밳밵\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF밶밷밹밺밻밼밽밾밿뱂뱆뱇뱈뱊뱋"
    u"뱎뱏뱑뱒뱓뱔뱕뱖뱗뱘뱙\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뱚뱛뱜뱞뱟뱠뱡뱢뱣뱤뱥뱦뱧뱨뱩"
    u"뱪뱫뱬뱭뱮뱯뱰뱱뱲뱳뱴뱵뱶뱷뱸뱹"
    u"뱺뱻뱼뱽뱾뱿벀벁벂벃벆벇벉벊벍벏"
    u"벐벑벒벓벖벘벛벜벝벞벟벢벣벥벦벩"
    u"벪벫벬벭벮벯벲벶벷벸벹벺벻벾벿볁"
    u"볂볃볅볆볇볈볉볊볋볌볎볒볓볔볖볗"
    u"볙볚볛볝볞볟볠볡볢볣볤볥볦볧볨볩"
    u"볪볫볬볭볮볯볰볱볲볳볷볹볺볻볽",
    // 0x94
    u"\uFFFF볾볿봀봁봂봃봆봈봊봋봌봍봎봏봑"
    u"봒봓봕봖봗봘봙봚봛봜봝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF봞봟봠봡봢봣봥봦봧봨봩봪봫봭봮"
    u"봯봰봱봲봳봴봵봶봷봸봹\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF봺봻봼봽봾봿뵁뵂뵃뵄뵅뵆뵇뵊뵋"
    u"뵍뵎뵏뵑뵒뵓뵔뵕뵖뵗뵚뵛뵜뵝뵞뵟"
    u"뵠뵡뵢뵣뵥뵦뵧뵩뵪뵫뵬뵭뵮뵯뵰뵱"
    u"뵲뵳뵴뵵뵶뵷뵸뵹뵺뵻뵼뵽뵾뵿붂붃"
    u"붅붆붋붌붍붎붏붒붔붖붗붘붛붝붞붟"
    u"붠붡붢붣붥붦붧붨붩붪붫붬붭붮붯붱"
    u"붲붳붴붵붶붷붹붺붻붼붽붾붿뷀뷁뷂"
    u"뷃뷄뷅뷆뷇뷈뷉뷊뷋뷌뷍뷎뷏뷐뷑",
    // 0x95
    u"\uFFFF뷒뷓뷖뷗뷙뷚뷛뷝뷞뷟뷠뷡뷢뷣뷤"
    u"뷥뷦뷧뷨뷪뷫뷬뷭뷮뷯뷱\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뷲뷳뷵뷶뷷뷹뷺뷻뷼뷽뷾뷿븁븂븄"
    u"븆븇븈븉븊븋븎븏븑븒븓\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF븕븖븗븘븙븚븛븞븠븡븢븣븤븥븦"
    u"븧븨븩븪븫븬븭븮븯븰븱븲븳븴븵븶"
    u"븷븸븹븺븻븼븽븾븿빀빁빂빃빆빇빉"
    u"빊빋빍빏빐빑빒빓빖빘빜빝빞빟빢빣"
    u"빥빦빧빩빫빬빭빮빯빲빶빷빸빹빺빾"
    u"빿뺁뺂뺃뺅뺆뺇뺈뺉뺊뺋뺎뺒뺓뺔뺕"
    u"뺖뺗뺚뺛뺜뺝뺞뺟뺠뺡뺢뺣뺤뺥뺦뺧"
    u"뺩뺪뺫뺬뺭뺮뺯뺰뺱뺲뺳뺴뺵뺶뺷",
    // 0x96
    u"\uFFFF뺸뺹뺺뺻뺼뺽뺾뺿뻀뻁뻂뻃뻄뻅뻆"
    u"뻇뻈뻉뻊뻋뻌뻍뻎뻏뻒뻓\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뻕뻖뻙뻚뻛뻜뻝뻞뻟뻡뻢뻦뻧뻨뻩"
    u"뻪뻫뻭뻮뻯뻰뻱뻲뻳뻴뻵\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뻶뻷뻸뻹뻺뻻뻼뻽뻾뻿뼀뼂뼃뼄뼅"
    u"뼆뼇뼊뼋뼌뼍뼎뼏뼐뼑뼒뼓뼔뼕뼖뼗"
    u"뼚뼞뼟뼠뼡뼢뼣뼤뼥뼦뼧뼨뼩뼪뼫뼬"
    u"뼭뼮뼯뼰뼱뼲뼳뼴뼵뼶뼷뼸뼹뼺뼻뼼"
    u"뼽뼾뼿뽂뽃뽅뽆뽇뽉뽊뽋뽌뽍뽎뽏뽒"
    u"뽓뽔뽖뽗뽘뽙뽚뽛뽜뽝뽞뽟뽠뽡뽢뽣"
    u"뽤뽥뽦뽧뽨뽩뽪뽫뽬뽭뽮뽯뽰뽱뽲뽳"
    u"뽴뽵뽶뽷뽸뽹뽺뽻뽼뽽뽾뽿뾀뾁뾂",
    // 0x97
    u"\uFFFF뾃뾄뾅뾆뾇뾈뾉뾊뾋뾌뾍뾎뾏뾐뾑"
    u"뾒뾓뾕뾖뾗뾘뾙뾚뾛뾜뾝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뾞뾟뾠뾡뾢뾣뾤뾥뾦뾧뾨뾩뾪뾫뾬"
    u"뾭뾮뾯뾱뾲뾳뾴뾵뾶뾷뾸\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF뾹뾺뾻뾼뾽뾾뾿뿀뿁뿂뿃뿄뿆뿇뿈"
    u"뿉뿊뿋뿎뿏뿑뿒뿓뿕뿖뿗뿘뿙뿚뿛뿝"
    u"뿞뿠뿢뿣뿤뿥뿦뿧뿨뿩뿪뿫뿬뿭뿮뿯"
    u"뿰뿱뿲뿳뿴뿵뿶뿷뿸뿹뿺뿻뿼뿽뿾뿿"
    u"쀀쀁쀂쀃쀄쀅쀆쀇쀈쀉쀊쀋쀌쀍쀎쀏"
    u"쀐쀑쀒쀓쀔쀕쀖쀗쀘쀙쀚쀛쀜쀝쀞쀟"
    u"쀠쀡쀢쀣쀤쀥쀦쀧쀨쀩쀪쀫쀬쀭쀮쀯"
    u"쀰쀱쀲쀳쀴쀵쀶쀷쀸쀹쀺쀻쀽쀾쀿",
    // 0x98
    u"\uFFFF쁀쁁쁂쁃쁄쁅쁆쁇쁈쁉쁊쁋쁌쁍쁎"
    u"쁏쁐쁒쁓쁔쁕쁖쁗쁙쁚쁛\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쁝쁞쁟쁡쁢쁣쁤쁥쁦쁧쁪쁫쁬쁭쁮"
    u"쁯쁰쁱쁲쁳쁴쁵쁶쁷쁸쁹\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쁺쁻쁼쁽쁾쁿삀삁삂삃삄삅삆삇삈"
    u"삉삊삋삌삍삎삏삒삓삕삖삗삙삚삛삜"
    u"삝삞삟삢삤삦삧삨삩삪삫삮삱삲삷삸"
    u"삹삺삻삾샂샃샄샆샇샊샋샍샎샏샑샒"
    u"샓샔샕샖샗샚샞샟샠샡샢샣샦샧샩샪"
    u"샫샭샮샯샰샱샲샳샶샸샺샻샼샽샾샿"
    u"섁섂섃섅섆섇섉섊섋섌섍섎섏섑섒섓"
    u"섔섖섗섘섙섚섛섡섢섥섨섩섪섫섮",
    // 0x99
    u"\uFFFF섲섳섴섵섷섺섻섽섾섿셁셂셃셄셅"
    u"셆셇셊셎셏셐셑셒셓셖셗\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF셙셚셛셝셞셟셠셡셢셣셦셪셫셬셭"
    u"셮셯셱셲셳셵셶셷셹셺셻\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF셼셽셾셿솀솁솂솃솄솆솇솈솉솊솋"
    u"솏솑솒솓솕솗솘솙솚솛솞솠솢솣솤솦"
    u"솧솪솫솭솮솯솱솲솳솴솵솶솷솸솹솺"
    u"솻솼솾솿쇀쇁쇂쇃쇅쇆쇇쇉쇊쇋쇍쇎"
    u"쇏쇐쇑쇒쇓쇕쇖쇙쇚쇛쇜쇝쇞쇟쇡쇢"
    u"쇣쇥쇦쇧쇩쇪쇫쇬쇭쇮쇯쇲쇴쇵쇶쇷"
    u"쇸쇹쇺쇻쇾쇿숁숂숃숅숆숇숈숉숊숋"
    u"숎숐숒숓숔숕숖숗숚숛숝숞숡숢숣",
    // 0x9A
    u"\uFFFF숤숥숦숧숪숬숮숰숳숵숶숷숸숹숺"
    u"숻숼숽숾숿쉀쉁쉂쉃쉄쉅\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쉆쉇쉉쉊쉋쉌쉍쉎쉏쉒쉓쉕쉖쉗쉙"
    u"쉚쉛쉜쉝쉞쉟쉡쉢쉣쉤쉦\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쉧쉨쉩쉪쉫쉮쉯쉱쉲쉳쉵쉶쉷쉸쉹"
    u"쉺쉻쉾슀슂슃슄슅슆슇슊슋슌슍슎슏"
    u"슑슒슓슔슕슖슗슙슚슜슞슟슠슡슢슣"
    u"슦슧슩슪슫슮슯슰슱슲슳슶슸슺슻슼"
    u"슽슾슿싀싁싂싃싄싅싆싇싈싉싊싋싌"
    u"싍싎싏싐싑싒싓싔싕싖싗싘싙싚싛싞"
    u"싟싡싢싥싦싧싨싩싪싮싰싲싳싴싵싷"
    u"싺싽싾싿쌁쌂쌃쌄쌅쌆쌇쌊쌋쌎쌏",
    // 0x9B
    u"\uFFFF쌐쌑쌒쌖쌗쌙쌚쌛쌝쌞쌟쌠쌡쌢쌣"
    u"쌦쌧쌪쌫쌬쌭쌮쌯쌰쌱쌲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쌳쌴쌵쌶쌷쌸쌹쌺쌻쌼쌽쌾쌿썀썁"
    u"썂썃썄썆썇썈썉썊썋썌썍\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF썎썏썐썑썒썓썔썕썖썗썘썙썚썛썜"
    u"썝썞썟썠썡썢썣썤썥썦썧썪썫썭썮썯"
    u"썱썳썴썵썶썷썺썻썾썿쎀쎁쎂쎃쎅쎆"
    u"쎇쎉쎊쎋쎍쎎쎏쎐쎑쎒쎓쎔쎕쎖쎗쎘"
    u"쎙쎚쎛쎜쎝쎞쎟쎠쎡쎢쎣쎤쎥쎦쎧쎨"
    u"쎩쎪쎫쎬쎭쎮쎯쎰쎱쎲쎳쎴쎵쎶쎷쎸"
    u"쎹쎺쎻쎼쎽쎾쎿쏁쏂쏃쏄쏅쏆쏇쏈쏉"
    u"쏊쏋쏌쏍쏎쏏쏐쏑쏒쏓쏔쏕쏖쏗쏚",
    // 0x9C
    u"\uFFFF쏛쏝쏞쏡쏣쏤쏥쏦쏧쏪쏫쏬쏮쏯쏰"
    u"쏱쏲쏳쏶쏷쏹쏺쏻쏼쏽쏾\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쏿쐀쐁쐂쐃쐄쐅쐆쐇쐉쐊쐋쐌쐍쐎"
    u"쐏쐑쐒쐓쐔쐕쐖쐗쐘쐙쐚\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쐛쐜쐝쐞쐟쐠쐡쐢쐣쐥쐦쐧쐨쐩쐪"
    u"쐫쐭쐮쐯쐱쐲쐳쐵쐶쐷쐸쐹쐺쐻쐾쐿"
    u"쑀쑁쑂쑃쑄쑅쑆쑇쑉쑊쑋쑌쑍쑎쑏쑐"
    u"쑑쑒쑓쑔쑕쑖쑗쑘쑙쑚쑛쑜쑝쑞쑟쑠"
    u"쑡쑢쑣쑦쑧쑩쑪쑫쑭쑮쑯쑰쑱쑲쑳쑶"
    u"쑷쑸쑺쑻쑼쑽쑾쑿쒁쒂쒃쒄쒅쒆쒇쒈"
    u"쒉쒊쒋쒌쒍쒎쒏쒐쒑쒒쒓쒕쒖쒗쒘쒙"
    u"쒚쒛쒝쒞쒟쒠쒡쒢쒣쒤쒥쒦쒧쒨쒩",
    // 0x9D
    u"\uFFFF쒪쒫쒬쒭쒮쒯쒰쒱쒲쒳쒴쒵쒶쒷쒹"
    u"쒺쒻쒽쒾쒿쓀쓁쓂쓃쓄쓅\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쓆쓇쓈쓉쓊쓋쓌쓍쓎쓏쓐쓑쓒쓓쓔"
    u"쓕쓖쓗쓘쓙쓚쓛쓜쓝쓞쓟\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쓠쓡쓢쓣쓤쓥쓦쓧쓨쓪쓫쓬쓭쓮쓯"
    u"쓲쓳쓵쓶쓷쓹쓻쓼쓽쓾씂씃씄씅씆씇"
    u"씈씉씊씋씍씎씏씑씒씓씕씖씗씘씙씚"
    u"씛씝씞씟씠씡씢씣씤씥씦씧씪씫씭씮"
    u"씯씱씲씳씴씵씶씷씺씼씾씿앀앁앂앃"
    u"앆앇앋앏앐앑앒앖앚앛앜앟앢앣앥앦"
    u"앧앩앪앫앬앭앮앯앲앶앷앸앹앺앻앾"
    u"앿얁얂얃얅얆얈얉얊얋얎얐얒얓얔",
    // 0x9E
    u"\uFFFF얖얙얚얛얝얞얟얡얢얣얤얥얦얧얨"
    u"얪얫얬얭얮얯얰얱얲얳얶\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF얷얺얿엀엁엂엃엋엍엏엒엓엕엖엗"
    u"엙엚엛엜엝엞엟엢엤엦엧\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF엨엩엪엫엯엱엲엳엵엸엹엺엻옂옃"
    u"옄옉옊옋옍옎옏옑옒옓옔옕옖옗옚옝"
    u"옞옟옠옡옢옣옦옧옩옪옫옯옱옲옶옸"
    u"옺옼옽옾옿왂왃왅왆왇왉왊왋왌왍왎"
    u"왏왒왖왗왘왙왚왛왞왟왡왢왣왤왥왦"
    u"왧왨왩왪왫왭왮왰왲왳왴왵왶왷왺왻"
    u"왽왾왿욁욂욃욄욅욆욇욊욌욎욏욐욑"
    u"욒욓욖욗욙욚욛욝욞욟욠욡욢욣욦",
    // 0x9F
    u"\uFFFF욨욪욫욬욭욮욯욲욳욵욶욷욻욼욽"
    u"욾욿웂웄웆웇웈웉웊웋웎\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF웏웑웒웓웕웖웗웘웙웚웛웞웟웢웣"
    u"웤웥웦웧웪웫웭웮웯웱웲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF웳웴웵웶웷웺웻웼웾웿윀윁윂윃윆"
    u"윇윉윊윋윍윎윏윐윑윒윓윖윘윚윛윜"
    u"윝윞윟윢윣윥윦윧윩윪윫윬윭윮윯윲"
    u"윴윶윸윹윺윻윾윿읁읂읃읅읆읇읈읉"
    u"읋읎읐읙읚읛읝읞읟읡읢읣읤읥읦읧"
    u"읩읪읬읭읮읯읰읱읲읳읶읷읹읺읻읿"
    u"잀잁잂잆잋잌잍잏잒잓잕잙잛잜잝잞"
    u"잟잢잧잨잩잪잫잮잯잱잲잳잵잶잷",
    // 0xA0
    u"\uFFFF잸잹잺잻잾쟂쟃쟄쟅쟆쟇쟊쟋쟍쟏"
    u"쟑쟒쟓쟔쟕쟖쟗쟙쟚쟛쟜\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쟞쟟쟠쟡쟢쟣쟥쟦쟧쟩쟪쟫쟭쟮쟯"
    u"쟰쟱쟲쟳쟴쟵쟶쟷쟸쟹쟺\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쟻쟼쟽쟾쟿젂젃젅젆젇젉젋젌젍젎"
    u"젏젒젔젗젘젙젚젛젞젟젡젢젣젥젦젧"
    u"젨젩젪젫젮젰젲젳젴젵젶젷젹젺젻젽"
    u"젾젿졁졂졃졄졅졆졇졊졋졎졏졐졑졒"
    u"졓졕졖졗졘졙졚졛졜졝졞졟졠졡졢졣"
    u"졤졥졦졧졨졩졪졫졬졭졮졯졲졳졵졶"
    u"졷졹졻졼졽졾졿좂좄좈좉좊좎좏좐좑"
    u"좒좓좕좖좗좘좙좚좛좜좞좠좢좣좤",
    // 0xA1
    u"\uFFFF좥좦좧좩좪좫좬좭좮좯좰좱좲좳좴"
    u"좵좶좷좸좹좺좻좾좿죀죁\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF죂죃죅죆죇죉죊죋죍죎죏죐죑죒죓"
    u"죖죘죚죛죜죝죞죟죢죣죥\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF죦죧죨죩죪죫죬죭죮죯죰죱죲죳죴"
    u"죶죷죸죹죺죻죾죿줁줂줃줇줈줉줊줋"
    u"줎\u3000、。·‥…¨〃\u00AD―∥＼∼‘’"
    u"“”〔〕〈〉《》「」『』【】±×"
    u"÷≠≤≥∞∴°′″℃\u212B￠￡￥♂♀"
    u"∠⊥⌒∂∇≡≒§※☆★○●◎◇◆"
    u"□■△▲▽▼→←↑↓↔〓≪≫√∽"
    u"∝∵∫∬∈∋⊆⊇⊂⊃∪∩∧∨￢",
    // 0xA2
    u"\uFFFF줐줒줓줔줕줖줗줙줚줛줜줝줞줟줠"
    u"줡줢줣줤줥줦줧줨줩줪줫\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF줭줮줯줰줱줲줳줵줶줷줸줹줺줻줼"
    u"줽줾줿쥀쥁쥂쥃쥄쥅쥆쥇\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쥈쥉쥊쥋쥌쥍쥎쥏쥒쥓쥕쥖쥗쥙쥚"
    u"쥛쥜쥝쥞쥟쥢쥤쥥쥦쥧쥨쥩쥪쥫쥭쥮"
    u"쥯⇒⇔∀∃´～ˇ˘˝˚˙¸˛¡¿"
    u"ː∮∑∏¤℉‰◁◀▷▶♤♠♡♥♧"
    u"♣⊙◈▣◐◑▒▤▥▨▧▦▩♨☏☎"
    u"☜☞¶†‡↕↗↙↖↘♭♩♪♬㉿㈜"
    u"№㏇™㏂㏘℡€®\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA3
    u"\uFFFF쥱쥲쥳쥵쥶쥷쥸쥹쥺쥻쥽쥾쥿즀즁"
    u"즂즃즄즅즆즇즊즋즍즎즏\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF즑즒즓즔즕즖즗즚즜즞즟즠즡즢즣"
    u"즤즥즦즧즨즩즪즫즬즭즮\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF즯즰즱즲즳즴즵즶즷즸즹즺즻즼즽"
    u"즾즿짂짃짅짆짉짋짌짍짎짏짒짔짗짘"
    u"짛！＂＃＄％＆＇（）＊＋，－．／"
    u"０１２３４５６７８９：；＜＝＞？"
    u"＠ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯ"
    u"ＰＱＲＳＴＵＶＷＸＹＺ［￦］＾＿"
    u"｀ａｂｃｄｅｆｇｈｉｊｋｌｍｎｏ"
    u"ｐｑｒｓｔｕｖｗｘｙｚ｛｜｝￣",
    // 0xA4
    u"\uFFFF짞짟짡짣짥짦짨짩짪짫짮짲짳짴짵"
    u"짶짷짺짻짽짾짿쨁쨂쨃쨄\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쨅쨆쨇쨊쨎쨏쨐쨑쨒쨓쨕쨖쨗쨙쨚"
    u"쨛쨜쨝쨞쨟쨠쨡쨢쨣쨤쨥\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쨦쨧쨨쨪쨫쨬쨭쨮쨯쨰쨱쨲쨳쨴쨵"
    u"쨶쨷쨸쨹쨺쨻쨼쨽쨾쨿쩀쩁쩂쩃쩄쩅"
    u"쩆ㄱㄲㄳㄴㄵㄶㄷㄸㄹㄺㄻㄼㄽㄾㄿ"
    u"ㅀㅁㅂㅃㅄㅅㅆㅇㅈㅉㅊㅋㅌㅍㅎㅏ"
    u"ㅐㅑㅒㅓㅔㅕㅖㅗㅘㅙㅚㅛㅜㅝㅞㅟ"
    u"ㅠㅡㅢㅣㅤㅥㅦㅧㅨㅩㅪㅫㅬㅭㅮㅯ"
    u"ㅰㅱㅲㅳㅴㅵㅶㅷㅸㅹㅺㅻㅼㅽㅾㅿ"
    u"ㆀㆁㆂㆃㆄㆅㆆㆇㆈㆉㆊㆋㆌㆍㆎ",
    // 0xA5
    u"\uFFFF쩇쩈쩉쩊쩋쩎쩏쩑쩒쩓쩕쩖쩗쩘쩙"
    u"쩚쩛쩞쩢쩣쩤쩥쩦쩧쩩쩪\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쩫쩬쩭쩮쩯쩰쩱쩲쩳쩴쩵쩶쩷쩸쩹"
    u"쩺쩻쩼쩾쩿쪀쪁쪂쪃쪅쪆\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쪇쪈쪉쪊쪋쪌쪍쪎쪏쪐쪑쪒쪓쪔쪕"
    u"쪖쪗쪙쪚쪛쪜쪝쪞쪟쪠쪡쪢쪣쪤쪥쪦"
    u"쪧ⅰⅱⅲⅳⅴⅵⅶⅷⅸⅹ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"ⅠⅡⅢⅣⅤⅥⅦⅧⅨⅩ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟ"
    u"ΠΡΣΤΥΦΧΨΩ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFαβγδεζηθικλμνξο"
    u"πρστυφχψω\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA6
    u"\uFFFF쪨쪩쪪쪫쪬쪭쪮쪯쪰쪱쪲쪳쪴쪵쪶"
    u"쪷쪸쪹쪺쪻쪾쪿쫁쫂쫃쫅\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쫆쫇쫈쫉쫊쫋쫎쫐쫒쫔쫕쫖쫗쫚쫛"
    u"쫜쫝쫞쫟쫡쫢쫣쫤쫥쫦쫧\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쫨쫩쫪쫫쫭쫮쫯쫰쫱쫲쫳쫵쫶쫷쫸"
    u"쫹쫺쫻쫼쫽쫾쫿쬀쬁쬂쬃쬄쬅쬆쬇쬉"
    u"쬊─│┌┐┘└├┬┤┴┼━┃┏┓"
    u"┛┗┣┳┫┻╋┠┯┨┷┿┝┰┥┸"
    u"╂┒┑┚┙┖┕┎┍┞┟┡┢┦┧┩"
    u"┪┭┮┱┲┵┶┹┺┽┾╀╁╃╄╅"
    u"╆╇╈╉╊\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA7
    u"\uFFFF쬋쬌쬍쬎쬏쬑쬒쬓쬕쬖쬗쬙쬚쬛쬜"
    u"쬝쬞쬟쬢쬣쬤쬥쬦쬧쬨쬩\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쬪쬫쬬쬭쬮쬯쬰쬱쬲쬳쬴쬵쬶쬷쬸"
    u"쬹쬺쬻쬼쬽쬾쬿쭀쭂쭃쭄\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쭅쭆쭇쭊쭋쭍쭎쭏쭑쭒쭓쭔쭕쭖쭗"
    u"쭚쭛쭜쭞쭟쭠쭡쭢쭣쭥쭦쭧쭨쭩쭪쭫"
    u"쭬㎕㎖㎗ℓ㎘㏄㎣㎤㎥㎦㎙㎚㎛㎜㎝"
    u"㎞㎟㎠㎡㎢㏊㎍㎎㎏㏏㎈㎉㏈㎧㎨㎰"
    u"㎱㎲㎳㎴㎵㎶㎷㎸㎹㎀㎁㎂㎃㎄㎺㎻"
    u"㎼㎽㎾㎿㎐㎑㎒㎓㎔\u2126㏀㏁㎊㎋㎌㏖"
    u"㏅㎭㎮㎯㏛㎩㎪㎫㎬㏝㏐㏓㏃㏉㏜㏆"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA8
    u"\uFFFF쭭쭮쭯쭰쭱쭲쭳쭴쭵쭶쭷쭺쭻쭼쭽"
    u"쭾쭿쮀쮁쮂쮃쮄쮅쮆쮇쮈\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쮉쮊쮋쮌쮍쮎쮏쮐쮑쮒쮓쮔쮕쮖쮗"
    u"쮘쮙쮚쮛쮝쮞쮟쮠쮡쮢쮣\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쮤쮥쮦쮧쮨쮩쮪쮫쮬쮭쮮쮯쮰쮱쮲"
    u"쮳쮴쮵쮶쮷쮹쮺쮻쮼쮽쮾쮿쯀쯁쯂쯃"
    u"쯄ÆÐªĦ\uFFFFĲ\uFFFFĿŁØŒºÞŦŊ"
    u"\uFFFF㉠㉡㉢㉣㉤㉥㉦㉧㉨㉩㉪㉫㉬㉭㉮"
    u"㉯㉰㉱㉲㉳㉴㉵㉶㉷㉸㉹㉺㉻ⓐⓑⓒ"
    u"ⓓⓔⓕⓖⓗⓘⓙⓚⓛⓜⓝⓞⓟⓠⓡⓢ"
    u"ⓣⓤⓥⓦⓧⓨⓩ①②③④⑤⑥⑦⑧⑨"
    u"⑩⑪⑫⑬⑭⑮½⅓⅔¼¾⅛⅜⅝⅞",
    // 0xA9
    u"\uFFFF쯅쯆쯇쯈쯉쯊쯋쯌쯍쯎쯏쯐쯑쯒쯓"
    u"쯕쯖쯗쯘쯙쯚쯛쯜쯝쯞쯟\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쯠쯡쯢쯣쯥쯦쯨쯪쯫쯬쯭쯮쯯쯰쯱"
    u"쯲쯳쯴쯵쯶쯷쯸쯹쯺쯻쯼\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쯽쯾쯿찀찁찂찃찄찅찆찇찈찉찊찋"
    u"찎찏찑찒찓찕찖찗찘찙찚찛찞찟찠찣"
    u"찤æđðħıĳĸŀłøœßþŧŋ"
    u"ŉ㈀㈁㈂㈃㈄㈅㈆㈇㈈㈉㈊㈋㈌㈍㈎"
    u"㈏㈐㈑㈒㈓㈔㈕㈖㈗㈘㈙㈚㈛⒜⒝⒞"
    u"⒟⒠⒡⒢⒣⒤⒥⒦⒧⒨⒩⒪⒫⒬⒭⒮"
    u"⒯⒰⒱⒲⒳⒴⒵⑴⑵⑶⑷⑸⑹⑺⑻⑼"
    u"⑽⑾⑿⒀⒁⒂¹²³⁴ⁿ₁₂₃₄",
    // 0xAA
    u"\uFFFF찥찦찪찫찭찯찱찲찳찴찵찶찷찺찿"
    u"챀챁챂챃챆챇챉챊챋챍챎\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF챏챐챑챒챓챖챚챛챜챝챞챟챡챢챣"
    u"챥챧챩챪챫챬챭챮챯챱챲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF챳챴챶챷챸챹챺챻챼챽챾챿첀첁첂"
    u"첃첄첅첆첇첈첉첊첋첌첍첎첏첐첑첒"
    u"첓ぁあぃいぅうぇえぉおかがきぎく"
    u"ぐけげこごさざしじすずせぜそぞた"
    u"だちぢっつづてでとどなにぬねのは"
    u"ばぱひびぴふぶぷへべぺほぼぽまみ"
    u"むめもゃやゅゆょよらりるれろゎわ"
    u"ゐゑをん\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAB
    u"\uFFFF첔첕첖첗첚첛첝첞첟첡첢첣첤첥첦"
    u"첧첪첮첯첰첱첲첳첶첷첹\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF첺첻첽첾첿쳀쳁쳂쳃쳆쳈쳊쳋쳌쳍"
    u"쳎쳏쳑쳒쳓쳕쳖쳗쳘쳙쳚\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쳛쳜쳝쳞쳟쳠쳡쳢쳣쳥쳦쳧쳨쳩쳪"
    u"쳫쳭쳮쳯쳱쳲쳳쳴쳵쳶쳷쳸쳹쳺쳻쳼"
    u"쳽ァアィイゥウェエォオカガキギク"
    u"グケゲコゴサザシジスズセゼソゾタ"
    u"ダチヂッツヅテデトドナニヌネノハ"
    u"バパヒビピフブプヘベペホボポマミ"
    u"ムメモャヤュユョヨラリルレロヮワ"
    u"ヰヱヲンヴヵヶ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAC
    u"\uFFFF쳾쳿촀촂촃촄촅촆촇촊촋촍촎촏촑"
    u"촒촓촔촕촖촗촚촜촞촟촠\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF촡촢촣촥촦촧촩촪촫촭촮촯촰촱촲"
    u"촳촴촵촶촷촸촺촻촼촽촾\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF촿쵀쵁쵂쵃쵄쵅쵆쵇쵈쵉쵊쵋쵌쵍"
    u"쵎쵏쵐쵑쵒쵓쵔쵕쵖쵗쵘쵙쵚쵛쵝쵞"
    u"쵟АБВГДЕЁЖЗИЙКЛМН"
    u"ОПРСТУФХЦЧШЩЪЫЬЭ"
    u"ЮЯ\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFабвгдеёжзийклмн"
    u"опрстуфхцчшщъыьэ"
    u"юя\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAD
    u"\uFFFF쵡쵢쵣쵥쵦쵧쵨쵩쵪쵫쵮쵰쵲쵳쵴"
    u"쵵쵶쵷쵹쵺쵻쵼쵽쵾쵿춀\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF춁춂춃춄춅춆춇춉춊춋춌춍춎춏춐"
    u"춑춒춓춖춗춙춚춛춝춞춟\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF춠춡춢춣춦춨춪춫춬춭춮춯춱춲춳"
    u"춴춵춶춷춸춹춺춻춼춽춾춿췀췁췂췃"
    u"췅\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAE
    u"\uFFFF췆췇췈췉췊췋췍췎췏췑췒췓췔췕췖"
    u"췗췘췙췚췛췜췝췞췟췠췡\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF췢췣췤췥췦췧췩췪췫췭췮췯췱췲췳"
    u"췴췵췶췷췺췼췾췿츀츁츂\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF츃츅츆츇츉츊츋츍츎츏츐츑츒츓츕"
    u"츖츗츘츚츛츜츝츞츟츢츣츥츦츧츩츪"
    u"츫\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xAF
    u"\uFFFF츬츭츮츯츲츴츶츷츸츹츺츻츼츽츾"
    u"츿칀칁칂칃칄칅칆칇칈칉\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF칊칋칌칍칎칏칐칑칒칓칔칕칖칗칚"
    u"칛칝칞칢칣칤칥칦칧칪칬\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF칮칯칰칱칲칳칶칷칹칺칻칽칾칿캀"
    u"캁캂캃캆캈캊캋캌캍캎캏캒캓캕캖캗"
    u"캙\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xB0
    u"\uFFFF캚캛캜캝캞캟캢캦캧캨캩캪캫캮캯"
    u"캰캱캲캳캴캵캶캷캸캹캺\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF캻캼캽캾캿컀컂컃컄컅컆컇컈컉컊"
    u"컋컌컍컎컏컐컑컒컓컔컕\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF컖컗컘컙컚컛컜컝컞컟컠컡컢컣컦"
    u"컧컩컪컭컮컯컰컱컲컳컶컺컻컼컽컾"
    u"컿가각간갇갈갉갊감갑값갓갔강갖갗"
    u"같갚갛개객갠갤갬갭갯갰갱갸갹갼걀"
    u"걋걍걔걘걜거걱건걷걸걺검겁것겄겅"
    u"겆겉겊겋게겐겔겜겝겟겠겡겨격겪견"
    u"겯결겸겹겻겼경곁계곈곌곕곗고곡곤"
    u"곧골곪곬곯곰곱곳공곶과곽관괄괆",
    // 0xB1
    u"\uFFFF켂켃켅켆켇켉켊켋켌켍켎켏켒켔켖"
    u"켗켘켙켚켛켝켞켟켡켢켣\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF켥켦켧켨켩켪켫켮켲켳켴켵켶켷켹"
    u"켺켻켼켽켾켿콀콁콂콃콄\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF콅콆콇콈콉콊콋콌콍콎콏콐콑콒콓"
    u"콖콗콙콚콛콝콞콟콠콡콢콣콦콨콪콫"
    u"콬괌괍괏광괘괜괠괩괬괭괴괵괸괼굄"
    u"굅굇굉교굔굘굡굣구국군굳굴굵굶굻"
    u"굼굽굿궁궂궈궉권궐궜궝궤궷귀귁귄"
    u"귈귐귑귓규균귤그극근귿글긁금급긋"
    u"긍긔기긱긴긷길긺김깁깃깅깆깊까깍"
    u"깎깐깔깖깜깝깟깠깡깥깨깩깬깰깸",
    // 0xB2
    u"\uFFFF콭콮콯콲콳콵콶콷콹콺콻콼콽콾콿"
    u"쾁쾂쾃쾄쾆쾇쾈쾉쾊쾋쾍\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쾎쾏쾐쾑쾒쾓쾔쾕쾖쾗쾘쾙쾚쾛쾜"
    u"쾝쾞쾟쾠쾢쾣쾤쾥쾦쾧쾩\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쾪쾫쾬쾭쾮쾯쾱쾲쾳쾴쾵쾶쾷쾸쾹"
    u"쾺쾻쾼쾽쾾쾿쿀쿁쿂쿃쿅쿆쿇쿈쿉쿊"
    u"쿋깹깻깼깽꺄꺅꺌꺼꺽꺾껀껄껌껍껏"
    u"껐껑께껙껜껨껫껭껴껸껼꼇꼈꼍꼐꼬"
    u"꼭꼰꼲꼴꼼꼽꼿꽁꽂꽃꽈꽉꽐꽜꽝꽤"
    u"꽥꽹꾀꾄꾈꾐꾑꾕꾜꾸꾹꾼꿀꿇꿈꿉"
    u"꿋꿍꿎꿔꿜꿨꿩꿰꿱꿴꿸뀀뀁뀄뀌뀐"
    u"뀔뀜뀝뀨끄끅끈끊끌끎끓끔끕끗끙",
    // 0xB3
    u"\uFFFF쿌쿍쿎쿏쿐쿑쿒쿓쿔쿕쿖쿗쿘쿙쿚"
    u"쿛쿜쿝쿞쿟쿢쿣쿥쿦쿧쿩\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF쿪쿫쿬쿭쿮쿯쿲쿴쿶쿷쿸쿹쿺쿻쿽"
    u"쿾쿿퀁퀂퀃퀅퀆퀇퀈퀉퀊\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퀋퀌퀍퀎퀏퀐퀒퀓퀔퀕퀖퀗퀙퀚퀛"
    u"퀜퀝퀞퀟퀠퀡퀢퀣퀤퀥퀦퀧퀨퀩퀪퀫"
    u"퀬끝끼끽낀낄낌낍낏낑나낙낚난낟날"
    u"낡낢남납낫났낭낮낯낱낳내낵낸낼냄"
    u"냅냇냈냉냐냑냔냘냠냥너넉넋넌널넒"
    u"넓넘넙넛넜넝넣네넥넨넬넴넵넷넸넹"
    u"녀녁년녈념녑녔녕녘녜녠노녹논놀놂"
    u"놈놉놋농높놓놔놘놜놨뇌뇐뇔뇜뇝",
    // 0xB4
    u"\uFFFF퀮퀯퀰퀱퀲퀳퀶퀷퀹퀺퀻퀽퀾퀿큀"
    u"큁큂큃큆큈큊큋큌큍큎큏\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF큑큒큓큕큖큗큙큚큛큜큝큞큟큡큢"
    u"큣큤큥큦큧큨큩큪큫큮큯\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF큱큲큳큵큶큷큸큹큺큻큾큿킀킂킃"
    u"킄킅킆킇킈킉킊킋킌킍킎킏킐킑킒킓"
    u"킔뇟뇨뇩뇬뇰뇹뇻뇽누눅눈눋눌눔눕"
    u"눗눙눠눴눼뉘뉜뉠뉨뉩뉴뉵뉼늄늅늉"
    u"느늑는늘늙늚늠늡늣능늦늪늬늰늴니"
    u"닉닌닐닒님닙닛닝닢다닥닦단닫달닭"
    u"닮닯닳담답닷닸당닺닻닿대댁댄댈댐"
    u"댑댓댔댕댜더덕덖던덛덜덞덟덤덥",
    // 0xB5
    u"\uFFFF킕킖킗킘킙킚킛킜킝킞킟킠킡킢킣"
    u"킦킧킩킪킫킭킮킯킰킱킲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF킳킶킸킺킻킼킽킾킿탂탃탅탆탇탊"
    u"탋탌탍탎탏탒탖탗탘탙탚\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF탛탞탟탡탢탣탥탦탧탨탩탪탫탮탲"
    u"탳탴탵탶탷탹탺탻탼탽탾탿턀턁턂턃"
    u"턄덧덩덫덮데덱덴델뎀뎁뎃뎄뎅뎌뎐"
    u"뎔뎠뎡뎨뎬도독돈돋돌돎돐돔돕돗동"
    u"돛돝돠돤돨돼됐되된될됨됩됫됴두둑"
    u"둔둘둠둡둣둥둬뒀뒈뒝뒤뒨뒬뒵뒷뒹"
    u"듀듄듈듐듕드득든듣들듦듬듭듯등듸"
    u"디딕딘딛딜딤딥딧딨딩딪따딱딴딸",
    // 0xB6
    u"\uFFFF턅턆턇턈턉턊턋턌턎턏턐턑턒턓턔"
    u"턕턖턗턘턙턚턛턜턝턞턟\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF턠턡턢턣턤턥턦턧턨턩턪턫턬턭턮"
    u"턯턲턳턵턶턷턹턻턼턽턾\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF턿텂텆텇텈텉텊텋텎텏텑텒텓텕텖"
    u"텗텘텙텚텛텞텠텢텣텤텥텦텧텩텪텫"
    u"텭땀땁땃땄땅땋때땍땐땔땜땝땟땠땡"
    u"떠떡떤떨떪떫떰떱떳떴떵떻떼떽뗀뗄"
    u"뗌뗍뗏뗐뗑뗘뗬또똑똔똘똥똬똴뙈뙤"
    u"뙨뚜뚝뚠뚤뚫뚬뚱뛔뛰뛴뛸뜀뜁뜅뜨"
    u"뜩뜬뜯뜰뜸뜹뜻띄띈띌띔띕띠띤띨띰"
    u"띱띳띵라락란랄람랍랏랐랑랒랖랗",
    // 0xB7
    u"\uFFFF텮텯텰텱텲텳텴텵텶텷텸텹텺텻텽"
    u"텾텿톀톁톂톃톅톆톇톉톊\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF톋톌톍톎톏톐톑톒톓톔톕톖톗톘톙"
    u"톚톛톜톝톞톟톢톣톥톦톧\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF톩톪톫톬톭톮톯톲톴톶톷톸톹톻톽"
    u"톾톿퇁퇂퇃퇄퇅퇆퇇퇈퇉퇊퇋퇌퇍퇎"
    u"퇏래랙랜랠램랩랫랬랭랴략랸럇량러"
    u"럭런럴럼럽럿렀렁렇레렉렌렐렘렙렛"
    u"렝려력련렬렴렵렷렸령례롄롑롓로록"
    u"론롤롬롭롯롱롸롼뢍뢨뢰뢴뢸룀룁룃"
    u"룅료룐룔룝룟룡루룩룬룰룸룹룻룽뤄"
    u"뤘뤠뤼뤽륀륄륌륏륑류륙륜률륨륩",
    // 0xB8
    u"\uFFFF퇐퇑퇒퇓퇔퇕퇖퇗퇙퇚퇛퇜퇝퇞퇟"
    u"퇠퇡퇢퇣퇤퇥퇦퇧퇨퇩퇪\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퇫퇬퇭퇮퇯퇰퇱퇲퇳퇵퇶퇷퇹퇺퇻"
    u"퇼퇽퇾퇿툀툁툂툃툄툅툆\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF툈툊툋툌툍툎툏툑툒툓툔툕툖툗툘"
    u"툙툚툛툜툝툞툟툠툡툢툣툤툥툦툧툨"
    u"툩륫륭르륵른를름릅릇릉릊릍릎리릭"
    u"린릴림립릿링마막만많맏말맑맒맘맙"
    u"맛망맞맡맣매맥맨맬맴맵맷맸맹맺먀"
    u"먁먈먕머먹먼멀멂멈멉멋멍멎멓메멕"
    u"멘멜멤멥멧멨멩며멱면멸몃몄명몇몌"
    u"모목몫몬몰몲몸몹못몽뫄뫈뫘뫙뫼",
    // 0xB9
    u"\uFFFF툪툫툮툯툱툲툳툵툶툷툸툹툺툻툾"
    u"퉀퉂퉃퉄퉅퉆퉇퉉퉊퉋퉌\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퉍퉎퉏퉐퉑퉒퉓퉔퉕퉖퉗퉘퉙퉚퉛"
    u"퉝퉞퉟퉠퉡퉢퉣퉥퉦퉧퉨\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퉩퉪퉫퉬퉭퉮퉯퉰퉱퉲퉳퉴퉵퉶퉷"
    u"퉸퉹퉺퉻퉼퉽퉾퉿튂튃튅튆튇튉튊튋"
    u"튌묀묄묍묏묑묘묜묠묩묫무묵묶문묻"
    u"물묽묾뭄뭅뭇뭉뭍뭏뭐뭔뭘뭡뭣뭬뮈"
    u"뮌뮐뮤뮨뮬뮴뮷므믄믈믐믓미믹민믿"
    u"밀밂밈밉밋밌밍및밑바박밖밗반받발"
    u"밝밞밟밤밥밧방밭배백밴밸뱀뱁뱃뱄"
    u"뱅뱉뱌뱍뱐뱝버벅번벋벌벎범법벗",
    // 0xBA
    u"\uFFFF튍튎튏튒튓튔튖튗튘튙튚튛튝튞튟"
    u"튡튢튣튥튦튧튨튩튪튫튭\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF튮튯튰튲튳튴튵튶튷튺튻튽튾틁틃"
    u"틄틅틆틇틊틌틍틎틏틐틑\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF틒틓틕틖틗틙틚틛틝틞틟틠틡틢틣"
    u"틦틧틨틩틪틫틬틭틮틯틲틳틵틶틷틹"
    u"틺벙벚베벡벤벧벨벰벱벳벴벵벼벽변"
    u"별볍볏볐병볕볘볜보복볶본볼봄봅봇"
    u"봉봐봔봤봬뵀뵈뵉뵌뵐뵘뵙뵤뵨부북"
    u"분붇불붉붊붐붑붓붕붙붚붜붤붰붸뷔"
    u"뷕뷘뷜뷩뷰뷴뷸븀븃븅브븍븐블븜븝"
    u"븟비빅빈빌빎빔빕빗빙빚빛빠빡빤",
    // 0xBB
    u"\uFFFF틻틼틽틾틿팂팄팆팇팈팉팊팋팏팑"
    u"팒팓팕팗팘팙팚팛팞팢팣\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF팤팦팧팪팫팭팮팯팱팲팳팴팵팶팷"
    u"팺팾팿퍀퍁퍂퍃퍆퍇퍈퍉\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퍊퍋퍌퍍퍎퍏퍐퍑퍒퍓퍔퍕퍖퍗퍘"
    u"퍙퍚퍛퍜퍝퍞퍟퍠퍡퍢퍣퍤퍥퍦퍧퍨"
    u"퍩빨빪빰빱빳빴빵빻빼빽뺀뺄뺌뺍뺏"
    u"뺐뺑뺘뺙뺨뻐뻑뻔뻗뻘뻠뻣뻤뻥뻬뼁"
    u"뼈뼉뼘뼙뼛뼜뼝뽀뽁뽄뽈뽐뽑뽕뾔뾰"
    u"뿅뿌뿍뿐뿔뿜뿟뿡쀼쁑쁘쁜쁠쁨쁩삐"
    u"삑삔삘삠삡삣삥사삭삯산삳살삵삶삼"
    u"삽삿샀상샅새색샌샐샘샙샛샜생샤",
    // 0xBC
    u"\uFFFF퍪퍫퍬퍭퍮퍯퍰퍱퍲퍳퍴퍵퍶퍷퍸"
    u"퍹퍺퍻퍾퍿펁펂펃펅펆펇\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF펈펉펊펋펎펒펓펔펕펖펗펚펛펝펞"
    u"펟펡펢펣펤펥펦펧펪펬펮\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF펯펰펱펲펳펵펶펷펹펺펻펽펾펿폀"
    u"폁폂폃폆폇폊폋폌폍폎폏폑폒폓폔폕"
    u"폖샥샨샬샴샵샷샹섀섄섈섐섕서석섞"
    u"섟선섣설섦섧섬섭섯섰성섶세섹센셀"
    u"셈셉셋셌셍셔셕션셜셤셥셧셨셩셰셴"
    u"셸솅소속솎손솔솖솜솝솟송솥솨솩솬"
    u"솰솽쇄쇈쇌쇔쇗쇘쇠쇤쇨쇰쇱쇳쇼쇽"
    u"숀숄숌숍숏숑수숙순숟술숨숩숫숭",
    // 0xBD
    u"\uFFFF폗폙폚폛폜폝폞폟폠폢폤폥폦폧폨"
    u"폩폪폫폮폯폱폲폳폵폶폷\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF폸폹폺폻폾퐀퐂퐃퐄퐅퐆퐇퐉퐊퐋"
    u"퐌퐍퐎퐏퐐퐑퐒퐓퐔퐕퐖\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퐗퐘퐙퐚퐛퐜퐞퐟퐠퐡퐢퐣퐤퐥퐦"
    u"퐧퐨퐩퐪퐫퐬퐭퐮퐯퐰퐱퐲퐳퐴퐵퐶"
    u"퐷숯숱숲숴쉈쉐쉑쉔쉘쉠쉥쉬쉭쉰쉴"
    u"쉼쉽쉿슁슈슉슐슘슛슝스슥슨슬슭슴"
    u"습슷승시식신싣실싫심십싯싱싶싸싹"
    u"싻싼쌀쌈쌉쌌쌍쌓쌔쌕쌘쌜쌤쌥쌨쌩"
    u"썅써썩썬썰썲썸썹썼썽쎄쎈쎌쏀쏘쏙"
    u"쏜쏟쏠쏢쏨쏩쏭쏴쏵쏸쐈쐐쐤쐬쐰",
    // 0xBE
    u"\uFFFF퐸퐹퐺퐻퐼퐽퐾퐿푁푂푃푅푆푇푈"
    u"푉푊푋푌푍푎푏푐푑푒푓\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF푔푕푖푗푘푙푚푛푝푞푟푡푢푣푥"
    u"푦푧푨푩푪푫푬푮푰푱푲\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF푳푴푵푶푷푺푻푽푾풁풃풄풅풆풇"
    u"풊풌풎풏풐풑풒풓풕풖풗풘풙풚풛풜"
    u"풝쐴쐼쐽쑈쑤쑥쑨쑬쑴쑵쑹쒀쒔쒜쒸"
    u"쒼쓩쓰쓱쓴쓸쓺쓿씀씁씌씐씔씜씨씩"
    u"씬씰씸씹씻씽아악안앉않알앍앎앓암"
    u"압앗았앙앝앞애액앤앨앰앱앳앴앵야"
    u"약얀얄얇얌얍얏양얕얗얘얜얠얩어억"
    u"언얹얻얼얽얾엄업없엇었엉엊엌엎",
    // 0xBF
    u"\uFFFF풞풟풠풡풢풣풤풥풦풧풨풪풫풬풭"
    u"풮풯풰풱풲풳풴풵풶풷풸\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF풹풺풻풼풽풾풿퓀퓁퓂퓃퓄퓅퓆퓇"
    u"퓈퓉퓊퓋퓍퓎퓏퓑퓒퓓퓕\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퓖퓗퓘퓙퓚퓛퓝퓞퓠퓡퓢퓣퓤퓥퓦"
    u"퓧퓩퓪퓫퓭퓮퓯퓱퓲퓳퓴퓵퓶퓷퓹퓺"
    u"퓼에엑엔엘엠엡엣엥여역엮연열엶엷"
    u"염엽엾엿였영옅옆옇예옌옐옘옙옛옜"
    u"오옥온올옭옮옰옳옴옵옷옹옻와왁완"
    u"왈왐왑왓왔왕왜왝왠왬왯왱외왹왼욀"
    u"욈욉욋욍요욕욘욜욤욥욧용우욱운울"
    u"욹욺움웁웃웅워웍원월웜웝웠웡웨",
    // 0xC0
    u"\uFFFF퓾퓿픀픁픂픃픅픆픇픉픊픋픍픎픏"
    u"픐픑픒픓픖픘픙픚픛픜픝\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF픞픟픠픡픢픣픤픥픦픧픨픩픪픫픬"
    u"픭픮픯픰픱픲픳픴픵픶픷\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF픸픹픺픻픾픿핁핂핃핅핆핇핈핉핊"
    u"핋핎핐핒핓핔핕핖핗핚핛핝핞핟핡핢"
    u"핣웩웬웰웸웹웽위윅윈윌윔윕윗윙유"
    u"육윤율윰윱윳융윷으윽은을읊음읍읏"
    u"응읒읓읔읕읖읗의읜읠읨읫이익인일"
    u"읽읾잃임입잇있잉잊잎자작잔잖잗잘"
    u"잚잠잡잣잤장잦재잭잰잴잼잽잿쟀쟁"
    u"쟈쟉쟌쟎쟐쟘쟝쟤쟨쟬저적전절젊",
    // 0xC1
    u"\uFFFF핤핦핧핪핬핮핯핰핱핲핳핶핷핹핺"
    u"핻핽핾핿햀햁햂햃햆햊햋\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF햌햍햎햏햑햒햓햔햕햖햗햘햙햚햛"
    u"햜햝햞햟햠햡햢햣햤햦햧\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF햨햩햪햫햬햭햮햯햰햱햲햳햴햵햶"
    u"햷햸햹햺햻햼햽햾햿헀헁헂헃헄헅헆"
    u"헇점접젓정젖제젝젠젤젬젭젯젱져젼"
    u"졀졈졉졌졍졔조족존졸졺좀좁좃종좆"
    u"좇좋좌좍좔좝좟좡좨좼좽죄죈죌죔죕"
    u"죗죙죠죡죤죵주죽준줄줅줆줌줍줏중"
    u"줘줬줴쥐쥑쥔쥘쥠쥡쥣쥬쥰쥴쥼즈즉"
    u"즌즐즘즙즛증지직진짇질짊짐집짓",
    // 0xC2
    u"\uFFFF헊헋헍헎헏헑헓헔헕헖헗헚헜헞헟"
    u"헠헡헢헣헦헧헩헪헫헭헮\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF헯헰헱헲헳헶헸헺헻헼헽헾헿혂혃"
    u"혅혆혇혉혊혋혌혍혎혏혒\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF혖혗혘혙혚혛혝혞혟혡혢혣혥혦혧"
    u"혨혩혪혫혬혮혯혰혱혲혳혴혵혶혷혺"
    u"혻징짖짙짚짜짝짠짢짤짧짬짭짯짰짱"
    u"째짹짼쨀쨈쨉쨋쨌쨍쨔쨘쨩쩌쩍쩐쩔"
    u"쩜쩝쩟쩠쩡쩨쩽쪄쪘쪼쪽쫀쫄쫌쫍쫏"
    u"쫑쫓쫘쫙쫠쫬쫴쬈쬐쬔쬘쬠쬡쭁쭈쭉"
    u"쭌쭐쭘쭙쭝쭤쭸쭹쮜쮸쯔쯤쯧쯩찌찍"
    u"찐찔찜찝찡찢찧차착찬찮찰참찹찻",
    // 0xC3
    u"\uFFFF혽혾혿홁홂홃홄홆홇홊홌홎홏홐홒"
    u"홓홖홗홙홚홛홝홞홟홠홡\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF홢홣홤홥홦홨홪홫홬홭홮홯홲홳홵"
    u"홶홷홸홹홺홻홼홽홾홿횀\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF횁횂횄횆횇횈횉횊횋횎횏횑횒횓횕"
    u"횖횗횘횙횚횛횜횞횠횢횣횤횥횦횧횩"
    u"횪찼창찾채책챈챌챔챕챗챘챙챠챤챦"
    u"챨챰챵처척천철첨첩첫첬청체첵첸첼"
    u"쳄쳅쳇쳉쳐쳔쳤쳬쳰촁초촉촌촐촘촙"
    u"촛총촤촨촬촹최쵠쵤쵬쵭쵯쵱쵸춈추"
    u"축춘출춤춥춧충춰췄췌췐취췬췰췸췹"
    u"췻췽츄츈츌츔츙츠측츤츨츰츱츳층",
    // 0xC4
    u"\uFFFF횫횭횮횯횱횲횳횴횵횶횷횸횺횼횽"
    u"횾횿훀훁훂훃훆훇훉훊훋\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF훍훎훏훐훒훓훕훖훘훚훛훜훝훞훟"
    u"훡훢훣훥훦훧훩훪훫훬훭\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF훮훯훱훲훳훴훶훷훸훹훺훻훾훿휁"
    u"휂휃휅휆휇휈휉휊휋휌휍휎휏휐휒휓"
    u"휔치칙친칟칠칡침칩칫칭카칵칸칼캄"
    u"캅캇캉캐캑캔캘캠캡캣캤캥캬캭컁커"
    u"컥컨컫컬컴컵컷컸컹케켁켄켈켐켑켓"
    u"켕켜켠켤켬켭켯켰켱켸코콕콘콜콤콥"
    u"콧콩콰콱콴콸쾀쾅쾌쾡쾨쾰쿄쿠쿡쿤"
    u"쿨쿰쿱쿳쿵쿼퀀퀄퀑퀘퀭퀴퀵퀸퀼",
    // 0xC5
    u"\uFFFF휕휖휗휚휛휝휞휟휡휢휣휤휥휦휧"
    u"휪휬휮휯휰휱휲휳휶휷휹\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF휺휻휽휾휿흀흁흂흃흅흆흈흊흋흌"
    u"흍흎흏흒흓흕흚흛흜흝흞\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF흟흢흤흦흧흨흪흫흭흮흯흱흲흳흵"
    u"흶흷흸흹흺흻흾흿힀힂힃힄힅힆힇힊"
    u"힋큄큅큇큉큐큔큘큠크큭큰클큼큽킁"
    u"키킥킨킬킴킵킷킹타탁탄탈탉탐탑탓"
    u"탔탕태택탠탤탬탭탯탰탱탸턍터턱턴"
    u"털턺텀텁텃텄텅테텍텐텔템텝텟텡텨"
    u"텬텼톄톈토톡톤톨톰톱톳통톺톼퇀퇘"
    u"퇴퇸툇툉툐투툭툰툴툼툽툿퉁퉈퉜",
    // 0xC6
    u"\uFFFF힍힎힏힑힒힓힔힕힖힗힚힜힞힟힠"
    u"힡힢힣\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퉤튀튁튄튈튐튑튕튜튠튤튬튱트특"
    u"튼튿틀틂틈틉틋틔틘틜틤틥티틱틴틸"
    u"팀팁팃팅파팍팎판팔팖팜팝팟팠팡팥"
    u"패팩팬팰팸팹팻팼팽퍄퍅퍼퍽펀펄펌"
    u"펍펏펐펑페펙펜펠펨펩펫펭펴편펼폄"
    u"폅폈평폐폘폡폣포폭폰폴폼폽폿퐁",
    // 0xC7
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF퐈퐝푀푄표푠푤푭푯푸푹푼푿풀풂"
    u"품풉풋풍풔풩퓌퓐퓔퓜퓟퓨퓬퓰퓸퓻"
    u"퓽프픈플픔픕픗피픽핀필핌핍핏핑하"
    u"학한할핥함합핫항해핵핸핼햄햅햇했"
    u"행햐향허헉헌헐헒험헙헛헝헤헥헨헬"
    u"헴헵헷헹혀혁현혈혐협혓혔형혜혠",
    // 0xC8
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF혤혭호혹혼홀홅홈홉홋홍홑화확환"
    u"활홧황홰홱홴횃횅회획횐횔횝횟횡효"
    u"횬횰횹횻후훅훈훌훑훔훗훙훠훤훨훰"
    u"훵훼훽휀휄휑휘휙휜휠휨휩휫휭휴휵"
    u"휸휼흄흇흉흐흑흔흖흗흘흙흠흡흣흥"
    u"흩희흰흴흼흽힁히힉힌힐힘힙힛힝",
    {},
    // 0xCA
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF伽佳假價加可呵哥嘉嫁家暇架枷柯"
    u"歌珂痂稼苛茄街袈訶賈跏軻迦駕刻却"
    u"各恪慤殼珏脚覺角閣侃刊墾奸姦干幹"
    u"懇揀杆柬桿澗癎看磵稈竿簡肝艮艱諫"
    u"間乫喝曷渴碣竭葛褐蝎鞨勘坎堪嵌感"
    u"憾戡敢柑橄減甘疳監瞰紺邯鑑鑒龕",
    // 0xCB
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF匣岬甲胛鉀閘剛堈姜岡崗康强彊慷"
    u"江畺疆糠絳綱羌腔舡薑襁講鋼降鱇介"
    u"价個凱塏愷愾慨改槪漑疥皆盖箇芥蓋"
    u"\uF900鎧開喀客坑\uF901粳羹醵倨去居巨拒据"
    u"據擧渠炬祛距踞\uF902遽鉅鋸乾件健巾建"
    u"愆楗腱虔蹇鍵騫乞傑杰桀儉劍劒檢",
    // 0xCC
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF瞼鈐黔劫怯迲偈憩揭擊格檄激膈覡"
    u"隔堅牽犬甄絹繭肩見譴遣鵑抉決潔結"
    u"缺訣兼慊箝謙鉗鎌京俓倞傾儆勁勍卿"
    u"坰境庚徑慶憬擎敬景暻更梗涇炅烱璟"
    u"璥瓊痙硬磬竟競絅經耕耿脛莖警輕逕"
    u"鏡頃頸驚鯨係啓堺契季屆悸戒桂械",
    // 0xCD
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF棨溪界癸磎稽系繫繼計誡谿階鷄古"
    u"叩告呱固姑孤尻庫拷攷故敲暠枯槁沽"
    u"痼皐睾稿羔考股膏苦苽菰藁蠱袴誥\uF903"
    u"辜錮雇顧高鼓哭斛曲梏穀谷鵠困坤崑"
    u"昆梱棍滾琨袞鯤汨\uF904骨供公共功孔工"
    u"恐恭拱控攻珙空蚣貢鞏串寡戈果瓜",
    // 0xCE
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF科菓誇課跨過鍋顆廓槨藿郭\uF905冠官"
    u"寬慣棺款灌琯瓘管罐菅觀貫關館刮恝"
    u"括适侊光匡壙廣曠洸炚狂珖筐胱鑛卦"
    u"掛罫乖傀塊壞怪愧拐槐魁宏紘肱轟交"
    u"僑咬喬嬌嶠巧攪敎校橋狡皎矯絞翹膠"
    u"蕎蛟較轎郊餃驕鮫丘久九仇俱具勾",
    // 0xCF
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF區口句咎嘔坵垢寇嶇廐懼拘救枸柩"
    u"構歐毆毬求溝灸狗玖球瞿矩究絿耉臼"
    u"舅舊苟衢謳購軀逑邱鉤銶駒驅鳩鷗龜"
    u"國局菊鞠鞫麴君窘群裙軍郡堀屈掘窟"
    u"宮弓穹窮芎躬倦券勸卷圈拳捲權淃眷"
    u"厥獗蕨蹶闕机櫃潰詭軌饋\uF906晷歸貴",
    // 0xD0
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鬼\uF907叫圭奎揆槻珪硅窺竅糾葵規赳"
    u"逵閨勻均畇筠菌鈞\uF908橘克剋劇戟棘極"
    u"隙僅劤勤懃斤根槿瑾筋芹菫覲謹近饉"
    u"\uF909今妗擒昑檎琴禁禽芩衾衿襟\uF90A錦伋"
    u"及急扱汲級給亘兢矜肯企伎其冀嗜器"
    u"圻基埼夔奇妓寄岐崎己幾忌技旗旣",
    // 0xD1
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF朞期杞棋棄機欺氣汽沂淇玘琦琪璂"
    u"璣畸畿碁磯祁祇祈祺箕紀綺羈耆耭肌"
    u"記譏豈起錡錤飢饑騎騏驥麒緊佶吉拮"
    u"桔金喫儺\uF90B\uF90C娜懦\uF90D拏拿\uF90E\uF90F\uF910\uF911\uF912"
    u"\uF913那\uF914\uF915\uF916\uF917\uF918諾\uF919\uF91A\uF91B\uF91C暖\uF91D煖\uF91E"
    u"\uF91F難\uF920捏捺南\uF921枏楠湳\uF922男\uF923\uF924\uF925",
    // 0xD2
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF納\uF926\uF927衲囊娘\uF928\uF929\uF92A\uF92B\uF92C乃\uF92D內奈"
    u"柰耐\uF92E女年撚秊念恬拈捻寧寗努\uF92F奴"
    u"弩怒\uF930\uF931\uF932瑙\uF933\uF934\uF935\uF936\uF937\uF938駑\uF939\uF93A\uF93B"
    u"\uF93C\uF93D\uF93E\uF93F\uF940\uF941\uF942\uF943濃\uF944\uF945膿農惱\uF946\uF947"
    u"腦\uF948\uF949尿\uF94A\uF94B\uF94C\uF94D\uF94E\uF94F\uF950\uF951嫩訥杻紐"
    u"\uF952\uF953\uF954\uF955\uF956\uF957能\uF958\uF959尼泥匿溺多茶",
    // 0xD3
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF丹亶但單團壇彖斷旦檀段湍短端簞"
    u"緞蛋袒鄲鍛撻澾獺疸達啖坍憺擔曇淡"
    u"湛潭澹痰聃膽蕁覃談譚錟沓畓答踏遝"
    u"唐堂塘幢戇撞棠當糖螳黨代垈坮大對"
    u"岱帶待戴擡玳臺袋貸隊黛宅德悳倒刀"
    u"到圖堵塗導屠島嶋度徒悼挑掉搗桃",
    // 0xD4
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF棹櫂淘渡滔濤燾盜睹禱稻萄覩賭跳"
    u"蹈逃途道都鍍陶韜毒瀆牘犢獨督禿篤"
    u"纛讀墩惇敦旽暾沌焞燉豚頓乭突仝冬"
    u"凍動同憧東桐棟洞潼疼瞳童胴董銅兜"
    u"斗杜枓痘竇荳\uF95A豆逗頭屯臀芚遁遯鈍"
    u"得嶝橙燈登等藤謄鄧騰喇懶\uF95B癩羅",
    // 0xD5
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF蘿螺裸邏\uF95C洛烙珞絡落\uF95D酪駱\uF95E亂"
    u"卵欄欒瀾爛蘭鸞剌辣嵐擥攬欖濫籃纜"
    u"藍襤覽拉臘蠟廊朗浪狼琅瑯螂郞來崍"
    u"徠萊冷掠略亮倆兩凉梁樑粮粱糧良諒"
    u"輛量侶儷勵呂廬慮戾旅櫚濾礪藜蠣閭"
    u"驢驪麗黎力曆歷瀝礫轢靂憐戀攣漣",
    // 0xD6
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF煉璉練聯蓮輦連鍊冽列劣洌烈裂廉"
    u"斂殮濂簾獵令伶囹\uF95F岺嶺怜玲笭羚翎"
    u"聆逞鈴零靈領齡例澧禮醴隷勞\uF960撈擄"
    u"櫓潞瀘爐盧老蘆虜路輅露魯鷺鹵碌祿"
    u"綠菉錄鹿麓論壟弄朧瀧瓏籠聾儡瀨牢"
    u"磊賂賚賴雷了僚寮廖料燎療瞭聊蓼",
    // 0xD7
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF遼鬧龍壘婁屢樓淚漏瘻累縷蔞褸鏤"
    u"陋劉旒柳榴流溜瀏琉瑠留瘤硫謬類六"
    u"戮陸侖倫崙淪綸輪律慄栗\uF961隆勒肋凜"
    u"凌楞稜綾菱陵俚利厘吏唎履悧李梨浬"
    u"犁狸理璃\uF962痢籬罹羸莉裏裡里釐離鯉"
    u"吝潾燐璘藺躪隣鱗麟林淋琳臨霖砬",
    // 0xD8
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF立笠粒摩瑪痲碼磨馬魔麻寞幕漠膜"
    u"莫邈万卍娩巒彎慢挽晩曼滿漫灣瞞萬"
    u"蔓蠻輓饅鰻唜抹末沫茉襪靺亡妄忘忙"
    u"望網罔芒茫莽輞邙埋妹媒寐昧枚梅每"
    u"煤罵買賣邁魅脈貊陌驀麥孟氓猛盲盟"
    u"萌冪覓免冕勉棉沔眄眠綿緬面麵滅",
    // 0xD9
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF蔑冥名命明暝椧溟皿瞑茗蓂螟酩銘"
    u"鳴袂侮冒募姆帽慕摸摹暮某模母毛牟"
    u"牡瑁眸矛耗芼茅謀謨貌木沐牧目睦穆"
    u"鶩歿沒夢朦蒙卯墓妙廟描昴杳渺猫竗"
    u"苗錨務巫憮懋戊拇撫无楙武毋無珷畝"
    u"繆舞茂蕪誣貿霧鵡墨默們刎吻問文",
    // 0xDA
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF汶紊紋聞蚊門雯勿沕物味媚尾嵋彌"
    u"微未梶楣渼湄眉米美薇謎迷靡黴岷悶"
    u"愍憫敏旻旼民泯玟珉緡閔密蜜謐剝博"
    u"拍搏撲朴樸泊珀璞箔粕縛膊舶薄迫雹"
    u"駁伴半反叛拌搬攀斑槃泮潘班畔瘢盤"
    u"盼磐磻礬絆般蟠返頒飯勃拔撥渤潑",
    // 0xDB
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF發跋醱鉢髮魃倣傍坊妨尨幇彷房放"
    u"方旁昉枋榜滂磅紡肪膀舫芳蒡蚌訪謗"
    u"邦防龐倍俳\uF963培徘拜排杯湃焙盃背胚"
    u"裴裵褙賠輩配陪伯佰帛柏栢白百魄幡"
    u"樊煩燔番\uF964繁蕃藩飜伐筏罰閥凡帆梵"
    u"氾汎泛犯範范法琺僻劈壁擘檗璧癖",
    // 0xDC
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF碧蘗闢霹\uF965卞弁變辨辯邊別瞥鱉鼈"
    u"丙倂兵屛幷昞昺柄棅炳甁病秉竝輧餠"
    u"騈保堡報寶普步洑湺潽珤甫菩補褓譜"
    u"輔伏僕匐卜宓復服福腹茯蔔複覆輹輻"
    u"馥鰒本乶俸奉封峯峰捧棒烽熢琫縫蓬"
    u"蜂逢鋒鳳不付俯傅剖副否咐埠夫婦",
    // 0xDD
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF孚孵富府\uF966扶敷斧浮溥父符簿缶腐"
    u"腑膚艀芙莩訃負賦賻赴趺部釜阜附駙"
    u"鳧北分吩噴墳奔奮忿憤扮昐汾焚盆粉"
    u"糞紛芬賁雰\uF967佛弗彿拂崩朋棚硼繃鵬"
    u"丕備匕匪卑妃婢庇悲憊扉批斐枇榧比"
    u"毖毗毘沸\uF968琵痺砒碑秕秘粃緋翡肥",
    // 0xDE
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF脾臂菲蜚裨誹譬費鄙非飛鼻嚬嬪彬"
    u"斌檳殯浜濱瀕牝玭貧賓頻憑氷聘騁乍"
    u"事些仕伺似使俟僿史司唆嗣四士奢娑"
    u"寫寺射巳師徙思捨斜斯柶査梭死沙泗"
    u"渣瀉獅砂社祀祠私篩紗絲肆舍莎蓑蛇"
    u"裟詐詞謝賜赦辭邪飼駟麝削\uF969朔\uF96A",
    // 0xDF
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF傘刪山散汕珊産疝算蒜酸霰乷撒殺"
    u"煞薩三\uF96B杉森渗芟蔘衫揷澁鈒颯上傷"
    u"像償商喪嘗孀尙峠常床庠廂想桑橡湘"
    u"爽牀狀相祥箱翔裳觴詳象賞霜塞璽賽"
    u"嗇\uF96C穡索色牲生甥\uF96D笙墅壻嶼序庶徐"
    u"恕抒捿敍暑曙書栖棲犀瑞筮絮緖署",
    // 0xE0
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF胥舒薯西誓逝鋤黍鼠夕奭席惜昔晳"
    u"析汐淅潟石碩蓆釋錫仙僊先善嬋宣扇"
    u"敾旋渲煽琁瑄璇璿癬禪線繕羨腺膳船"
    u"蘚蟬詵跣選銑鐥饍鮮卨屑楔泄洩渫舌"
    u"薛褻設說雪齧剡暹殲纖蟾贍閃陝攝涉"
    u"燮\uF96E城姓宬性惺成星晟猩珹盛省筬",
    // 0xE1
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF聖聲腥誠醒世勢歲洗稅笹細\uF96F貰召"
    u"嘯塑宵小少巢所掃搔昭梳沼消溯瀟炤"
    u"燒甦疏疎瘙笑篠簫素紹蔬蕭蘇訴逍遡"
    u"邵銷韶騷俗屬束涑粟續謖贖速孫巽損"
    u"蓀遜飡率宋悚松淞訟誦送頌刷\uF970灑碎"
    u"鎖衰釗修受嗽囚垂壽嫂守岫峀帥愁",
    // 0xE2
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF戍手授搜收數樹殊水洙漱燧狩獸琇"
    u"璲瘦睡秀穗竪粹綏綬繡羞脩茱蒐蓚藪"
    u"袖誰讐輸遂邃酬銖銹隋隧隨雖需須首"
    u"髓鬚叔塾夙孰宿淑潚熟琡璹肅菽巡徇"
    u"循恂旬栒楯橓殉洵淳珣盾瞬筍純脣舜"
    u"荀蓴蕣詢諄醇錞順馴戌術述鉥崇崧",
    // 0xE3
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF嵩瑟膝蝨濕拾習褶襲丞乘僧勝升承"
    u"昇繩蠅陞侍匙嘶始媤尸屎屍市弑恃施"
    u"是時枾柴猜矢示翅蒔蓍視試詩諡豕豺"
    u"埴寔式息拭植殖湜熄篒蝕識軾食飾伸"
    u"侁信呻娠宸愼新晨燼申神紳腎臣莘薪"
    u"藎蜃訊身辛\uF971迅失室實悉審尋心沁",
    // 0xE4
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uF972深瀋甚芯諶什十\uF973雙氏亞俄兒啞"
    u"娥峨我牙芽莪蛾衙訝阿雅餓鴉鵝堊岳"
    u"嶽幄惡愕握樂渥鄂鍔顎鰐齷安岸按晏"
    u"案眼雁鞍顔鮟斡謁軋閼唵岩巖庵暗癌"
    u"菴闇壓押狎鴨仰央怏昻殃秧鴦厓哀埃"
    u"崖愛曖涯碍艾隘靄厄扼掖液縊腋額",
    // 0xE5
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF櫻罌鶯鸚也倻冶夜惹揶椰爺耶\uF974野"
    u"弱\uF975\uF976約若葯蒻藥躍\uF977佯\uF978\uF979壤孃恙"
    u"揚攘敭暘\uF97A楊樣洋瀁煬痒瘍禳穰\uF97B羊"
    u"\uF97C襄\uF97D讓釀陽\uF97E養圄御於漁瘀禦語馭"
    u"魚齬億憶抑檍臆偃堰彦焉言諺孼蘖俺"
    u"儼嚴奄掩淹嶪業円予余\uF97F\uF980\uF981如\uF982",
    // 0xE6
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uF983歟汝\uF984璵礖\uF985與艅茹輿轝\uF986餘\uF987"
    u"\uF988\uF989亦\uF98A域役易\uF98B\uF98C疫繹譯\uF98D逆驛嚥"
    u"堧姸娟宴\uF98E延\uF98F\uF990捐挻\uF991椽沇沿涎涓"
    u"淵演\uF992烟然煙\uF993燃燕\uF994硏硯\uF995筵緣\uF996"
    u"縯\uF997衍軟\uF998\uF999\uF99A鉛\uF99B鳶\uF99C\uF99D\uF99E悅涅\uF99F"
    u"熱\uF9A0\uF9A1閱厭\uF9A2\uF9A3\uF9A4染\uF9A5炎焰琰艶苒",
    // 0xE7
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uF9A6閻髥鹽曄\uF9A7燁葉\uF9A8\uF9A9塋\uF9AA\uF9AB嶸影"
    u"\uF9AC映暎楹榮永泳渶潁濚瀛瀯煐營獰\uF9AD"
    u"瑛\uF9AE瓔盈穎纓\uF9AF\uF9B0英詠迎\uF9B1鍈\uF9B2霙\uF9B3"
    u"\uF9B4乂倪\uF9B5刈叡曳汭濊猊睿穢芮藝蘂\uF9B6"
    u"裔詣譽豫\uF9B7銳\uF9B8霓預五伍俉傲午吾吳"
    u"嗚塢墺奧娛寤悟\uF9B9懊敖旿晤梧汚澳",
    // 0xE8
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF烏熬獒筽蜈誤鰲鼇屋沃獄玉鈺溫瑥"
    u"瘟穩縕蘊兀壅擁瓮甕癰翁邕雍饔渦瓦"
    u"窩窪臥蛙蝸訛婉完宛梡椀浣玩琓琬碗"
    u"緩翫脘腕莞豌阮頑曰往旺枉汪王倭娃"
    u"歪矮外嵬巍猥畏\uF9BA\uF9BB僥凹堯夭妖姚寥"
    u"\uF9BC\uF9BD嶢拗搖撓擾\uF9BE曜\uF9BF橈\uF9C0燿瑤\uF9C1",
    // 0xE9
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF窈窯繇繞耀腰\uF9C2蟯要謠遙\uF9C3邀饒慾"
    u"欲浴縟褥辱俑傭冗勇埇墉容庸慂榕涌"
    u"湧溶熔瑢用甬聳茸蓉踊鎔鏞\uF9C4于佑偶"
    u"優又友右宇寓尤愚憂旴牛玗瑀盂祐禑"
    u"禹紆羽芋藕虞迂遇郵釪隅雨雩勖彧旭"
    u"昱栯煜稶郁頊云\uF9C5橒殞澐熉耘芸蕓",
    // 0xEA
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF運隕雲韻蔚鬱亐熊雄元原員圓園垣"
    u"媛嫄寃怨愿援沅洹湲源爰猿瑗苑袁轅"
    u"遠\uF9C6院願鴛月越鉞位偉僞危圍委威尉"
    u"慰暐渭爲瑋緯胃萎葦蔿蝟衛褘謂違韋"
    u"魏乳侑儒兪\uF9C7唯喩孺宥幼幽庾悠惟愈"
    u"愉揄攸有\uF9C8柔柚\uF9C9楡楢油洧\uF9CA游\uF9CB",
    // 0xEB
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF濡猶猷\uF9CC瑜由\uF9CD癒\uF9CE\uF9CF維臾萸裕誘"
    u"諛諭踰蹂遊逾遺酉釉鍮\uF9D0\uF9D1堉\uF9D2毓肉"
    u"育\uF9D3\uF9D4允奫尹\uF9D5\uF9D6潤玧胤贇\uF9D7鈗閏\uF9D8"
    u"\uF9D9\uF9DA\uF9DB聿戎瀜絨融\uF9DC垠恩慇殷誾銀隱"
    u"乙吟淫蔭陰音飮揖泣邑凝應膺鷹依倚"
    u"儀宜意懿擬椅毅疑矣義艤薏蟻衣誼",
    // 0xEC
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF議醫二以伊\uF9DD\uF9DE夷姨\uF9DF已弛彛怡\uF9E0"
    u"\uF9E1\uF9E2\uF9E3爾珥\uF9E4異痍\uF9E5移\uF9E6而耳肄苡荑"
    u"\uF9E7\uF9E8貽貳邇\uF9E9\uF9EA飴餌\uF9EB\uF9EC瀷益翊翌翼"
    u"謚人仁刃印\uF9ED咽因姻寅引忍湮\uF9EE\uF9EF絪"
    u"茵\uF9F0蚓認\uF9F1靭靷\uF9F2\uF9F3一佚佾壹日溢逸"
    u"鎰馹任壬妊姙恁\uF9F4\uF9F5稔\uF9F6荏賃入卄",
    // 0xED
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uF9F7\uF9F8\uF9F9仍剩孕芿仔刺咨姉姿子字孜"
    u"恣慈滋炙煮玆瓷疵磁紫者自茨蔗藉諮"
    u"資雌作勺嚼斫昨灼炸爵綽芍酌雀鵲孱"
    u"棧殘潺盞岑暫潛箴簪蠶雜丈仗匠場墻"
    u"壯奬將帳庄張掌暲杖樟檣欌漿牆\uF9FA獐"
    u"璋章粧腸臟臧莊葬蔣薔藏裝贓醬長",
    // 0xEE
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF障再哉在宰才材栽梓渽滓災縡裁財"
    u"載齋齎爭箏諍錚佇低儲咀姐底抵杵楮"
    u"樗沮渚狙猪疽箸紵苧菹著藷詛貯躇這"
    u"邸雎齟勣吊嫡寂摘敵滴狄\uF9FB的積笛籍"
    u"績翟荻謫賊赤跡蹟迪迹適鏑佃佺傳全"
    u"典前剪塡塼奠專展廛悛戰栓殿氈澱",
    // 0xEF
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF煎琠田甸畑癲筌箋箭篆纏詮輾轉鈿"
    u"銓錢鐫電顚顫餞切截折浙癤竊節絶占"
    u"岾店漸点粘霑鮎點接摺蝶丁井亭停偵"
    u"呈姃定幀庭廷征情挺政整旌晶晸柾楨"
    u"檉正汀淀淨渟湞瀞炡玎珽町睛碇禎程"
    u"穽精綎艇訂諪貞鄭酊釘鉦鋌錠霆靖",
    // 0xF0
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF靜頂鼎制劑啼堤帝弟悌提梯濟祭第"
    u"臍薺製諸蹄醍除際霽題齊俎兆凋助嘲"
    u"弔彫措操早晁曺曹朝條棗槽漕潮照燥"
    u"爪璪眺祖祚租稠窕粗糟組繰肇藻蚤詔"
    u"調趙躁造遭釣阻雕鳥族簇足鏃存尊卒"
    u"拙猝倧宗從悰慫棕淙琮種終綜縱腫",
    // 0xF1
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF踪踵鍾鐘佐坐左座挫罪主住侏做姝"
    u"胄呪周嗾奏宙州廚晝朱柱株注洲湊澍"
    u"炷珠疇籌紂紬綢舟蛛註誅走躊輳週酎"
    u"酒鑄駐竹粥俊儁准埈寯峻晙樽浚準濬"
    u"焌畯竣蠢逡遵雋駿茁中仲衆重卽櫛楫"
    u"汁葺增憎曾拯烝甑症繒蒸證贈之只",
    // 0xF2
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF咫地址志持指摯支旨智枝枳止池沚"
    u"漬知砥祉祗紙肢脂至芝芷蜘誌\uF9FC贄趾"
    u"遲直稙稷織職唇嗔塵振搢晉晋桭榛殄"
    u"津溱珍瑨璡畛疹盡眞瞋秦縉縝臻蔯袗"
    u"診賑軫辰進鎭陣陳震侄叱姪嫉帙桎瓆"
    u"疾秩窒膣蛭質跌迭斟朕\uF9FD執潗緝輯",
    // 0xF3
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鏶集徵懲澄且侘借叉嗟嵯差次此磋"
    u"箚\uF9FE蹉車遮捉搾着窄錯鑿齪撰澯燦璨"
    u"瓚竄簒纂粲纘讚贊鑽餐饌刹察擦札紮"
    u"僭參塹慘慙懺斬站讒讖倉倡創唱娼廠"
    u"彰愴敞昌昶暢槍滄漲猖瘡窓脹艙菖蒼"
    u"債埰寀寨彩採砦綵菜蔡采釵冊柵策",
    // 0xF4
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF責凄妻悽處倜\uF9FF剔尺慽戚拓擲斥滌"
    u"瘠脊蹠陟隻仟千喘天川擅泉淺玔穿舛"
    u"薦賤踐遷釧闡阡韆凸哲喆徹撤澈綴輟"
    u"轍鐵僉尖沾添甛瞻簽籤詹諂堞妾帖捷"
    u"牒疊睫諜貼輒廳晴淸聽菁請靑鯖\uFA00剃"
    u"替涕滯締諦逮遞體初剿哨憔抄招梢",
    // 0xF5
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF椒楚樵炒焦硝礁礎秒稍肖艸苕草蕉"
    u"貂超酢醋醮促囑燭矗蜀觸寸忖村邨叢"
    u"塚寵悤憁摠總聰蔥銃撮催崔最墜抽推"
    u"椎楸樞湫皺秋芻萩諏趨追鄒酋醜錐錘"
    u"鎚雛騶鰍丑畜祝竺筑築縮蓄蹙蹴軸逐"
    u"春椿瑃出朮黜充忠沖蟲衝衷悴膵萃",
    // 0xF6
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF贅取吹嘴娶就炊翠聚脆臭趣醉驟鷲"
    u"側仄厠惻測層侈値嗤峙幟恥梔治淄熾"
    u"痔痴癡稚穉緇緻置致蚩輜雉馳齒則勅"
    u"飭親七柒漆侵寢枕沈浸琛砧針鍼蟄秤"
    u"稱快他咤唾墮妥惰打拖朶楕舵陀馱駝"
    u"倬卓啄坼\uFA01托\uFA02擢晫柝濁濯琢琸託",
    // 0xF7
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鐸呑嘆坦彈憚歎灘炭綻誕奪脫探眈"
    u"耽貪塔搭榻宕帑湯\uFA03蕩兌台太怠態殆"
    u"汰泰笞胎苔跆邰颱\uFA04擇澤撑攄兎吐土"
    u"討慟桶\uFA05痛筒統通堆槌腿褪退頹偸套"
    u"妬投透鬪慝特闖坡婆巴把播擺杷波派"
    u"爬琶破罷芭跛頗判坂板版瓣販辦鈑",
    // 0xF8
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF阪八叭捌佩唄悖敗沛浿牌狽稗覇貝"
    u"彭澎烹膨愎便偏扁片篇編翩遍鞭騙貶"
    u"坪平枰萍評吠嬖幣廢弊斃肺蔽閉陛佈"
    u"包匍匏咆哺圃布怖抛抱捕\uFA06泡浦疱砲"
    u"胞脯苞葡蒲袍褒逋鋪飽鮑幅暴曝瀑爆"
    u"\uFA07俵剽彪慓杓標漂瓢票表豹飇飄驃",
    // 0xF9
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF品稟楓諷豊風馮彼披疲皮被避陂匹"
    u"弼必泌珌畢疋筆苾馝乏逼下何厦夏廈"
    u"昰河瑕荷蝦賀遐霞鰕壑學虐謔鶴寒恨"
    u"悍旱汗漢澣瀚罕翰閑閒限韓割轄函含"
    u"咸啣喊檻涵緘艦銜陷鹹合哈盒蛤閤闔"
    u"陜亢伉姮嫦巷恒抗杭桁沆港缸肛航",
    // 0xFA
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFA08\uFA09項亥偕咳垓奚孩害懈楷海瀣蟹"
    u"解該諧邂駭骸劾核倖幸杏荇行享向嚮"
    u"珦鄕響餉饗香噓墟虛許憲櫶獻軒歇險"
    u"驗奕爀赫革俔峴弦懸晛泫炫玄玹現眩"
    u"睍絃絢縣舷衒\uFA0A賢鉉顯孑穴血頁嫌俠"
    u"協夾峽挾浹狹脅脇莢鋏頰亨兄刑型",
    // 0xFB
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF形泂滎瀅灐炯熒珩瑩荊螢衡逈邢鎣"
    u"馨兮彗惠慧暳蕙蹊醯鞋乎互呼壕壺好"
    u"岵弧戶扈昊晧毫浩淏湖滸澔濠濩灝狐"
    u"琥瑚瓠皓祜糊縞胡芦葫蒿虎號蝴護豪"
    u"鎬頀顥惑或酷婚昏混渾琿魂忽惚笏哄"
    u"弘汞泓洪烘紅虹訌鴻化和嬅樺火畵",
    // 0xFC
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF禍禾花華話譁貨靴\uFA0B擴攫確碻穫丸"
    u"喚奐宦幻患換歡晥桓渙煥環紈還驩鰥"
    u"活滑猾豁闊凰幌徨恍惶愰慌晃晄榥況"
    u"湟滉潢煌璜皇篁簧荒蝗遑隍黃匯回廻"
    u"徊恢悔懷晦會檜淮澮灰獪繪膾茴蛔誨"
    u"賄劃獲宖橫鐄哮嚆孝效斅曉梟涍淆",
    // 0xFD
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF爻肴酵驍侯候厚后吼喉嗅帿後朽煦"
    u"珝逅勛勳塤壎焄熏燻薰訓暈薨喧暄煊"
    u"萱卉喙毁彙徽揮暉煇諱輝麾休携烋畦"
    u"虧恤譎鷸兇凶匈洶胸黑昕欣炘痕吃屹"
    u"紇訖欠欽歆吸恰洽翕興僖凞喜噫囍姬"
    u"嬉希憙憘戱晞曦熙熹熺犧禧稀羲詰",
    {},
    {},
}};

// Windows-950: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper950 =
    u"\u0080\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
;

// Windows-950: for each lead byte from 0x80 to 0xFF, its trail bytes 0x40 to 0xFE.
constexpr std::array<std::u16string_view, 128> pairs950 = {{
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    {},
    // 0xA1
    u"\u3000，、。．‧；：？！︰…‥﹐﹑﹒"
    u"·﹔﹕﹖﹗｜–︱—︳╴︴﹏（）︵"
    u"︶｛｝︷︸〔〕︹︺【】︻︼《》︽"
    u"︾〈〉︿﹀「」﹁﹂『』﹃﹄﹙﹚\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF﹛﹜﹝﹞‘’“”〝〞‵′＃＆＊"
    u"※§〃○●△▲◎☆★◇◆□■▽▼"
    u"㊣℅¯￣＿ˍ﹉﹊﹍﹎﹋﹌﹟﹠﹡＋"
    u"－×÷±√＜＞＝≦≧≠∞≒≡﹢﹣"
    u"﹤﹥﹦～∩∪⊥∠∟⊿㏒㏑∫∮∵∴"
    u"♀♂⊕⊙↑↓←→↖↗↙↘∥∣／",
    // 0xA2
    u"＼∕﹨＄￥〒￠￡％＠℃℉﹩﹪﹫㏕"
    u"㎜㎝㎞㏎㎡㎎㎏㏄°兙兛兞兝兡兣嗧"
    u"瓩糎▁▂▃▄▅▆▇█▏▎▍▌▋▊"
    u"▉┼┴┬┤├▔─│▕┌┐└┘╭\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF╮╰╯\uFFFF\uFFFF\uFFFF\uFFFF◢◣◥◤╱╲╳０"
    u"１２３４５６７８９ⅠⅡⅢⅣⅤⅥⅦ"
    u"ⅧⅨⅩ〡〢〣〤〥〦〧〨〩\uFFFF卄\uFFFFＡ"
    u"ＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰＱ"
    u"ＲＳＴＵＶＷＸＹＺａｂｃｄｅｆｇ"
    u"ｈｉｊｋｌｍｎｏｐｑｒｓｔｕｖ",
    // 0xA3
    u"ｗｘｙｚΑΒΓΔΕΖΗΘΙΚΛΜ"
    u"ΝΞΟΠΡΣΤΥΦΧΨΩαβγδ"
    u"εζηθικλμνξοπρστυ"
    u"φχψωㄅㄆㄇㄈㄉㄊㄋㄌㄍㄎㄏ\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFFㄐㄑㄒㄓㄔㄕㄖㄗㄘㄙㄚㄛㄜㄝㄞ"
    u"ㄟㄠㄡㄢㄣㄤㄥㄦㄧㄨㄩ˙ˉˊˇˋ"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF€\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    // 0xA4
    u"一乙丁七乃九了二人儿入八几刀刁力"
    u"匕十卜又三下丈上丫丸凡久么也乞于"
    u"亡兀刃勺千叉口土士夕大女子孑孓寸"
    u"小尢尸山川工己已巳巾干廾弋弓才\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF丑丐不中丰丹之尹予云井互五亢仁"
    u"什仃仆仇仍今介仄元允內六兮公冗凶"
    u"分切刈勻勾勿化匹午升卅卞厄友及反"
    u"壬天夫太夭孔少尤尺屯巴幻廿弔引心"
    u"戈戶手扎支文斗斤方日曰月木欠止歹"
    u"毋比毛氏水火爪父爻片牙牛犬王丙",
    // 0xA5
    u"世丕且丘主乍乏乎以付仔仕他仗代令"
    u"仙仞充兄冉冊冬凹出凸刊加功包匆北"
    u"匝仟半卉卡占卯卮去可古右召叮叩叨"
    u"叼司叵叫另只史叱台句叭叻四囚外\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF央失奴奶孕它尼巨巧左市布平幼弁"
    u"弘弗必戊打扔扒扑斥旦朮本未末札正"
    u"母民氐永汁汀氾犯玄玉瓜瓦甘生用甩"
    u"田由甲申疋白皮皿目矛矢石示禾穴立"
    u"丞丟乒乓乩亙交亦亥仿伉伙伊伕伍伐"
    u"休伏仲件任仰仳份企伋光兇兆先全",
    // 0xA6
    u"共再冰列刑划刎刖劣匈匡匠印危吉吏"
    u"同吊吐吁吋各向名合吃后吆吒因回囝"
    u"圳地在圭圬圯圩夙多夷夸妄奸妃好她"
    u"如妁字存宇守宅安寺尖屹州帆并年\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF式弛忙忖戎戌戍成扣扛托收早旨旬"
    u"旭曲曳有朽朴朱朵次此死氖汝汗汙江"
    u"池汐汕污汛汍汎灰牟牝百竹米糸缶羊"
    u"羽老考而耒耳聿肉肋肌臣自至臼舌舛"
    u"舟艮色艾虫血行衣西阡串亨位住佇佗"
    u"佞伴佛何估佐佑伽伺伸佃佔似但佣",
    // 0xA7
    u"作你伯低伶余佝佈佚兌克免兵冶冷別"
    u"判利刪刨劫助努劬匣即卵吝吭吞吾否"
    u"呎吧呆呃吳呈呂君吩告吹吻吸吮吵吶"
    u"吠吼呀吱含吟听囪困囤囫坊坑址坍\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF均坎圾坐坏圻壯夾妝妒妨妞妣妙妖"
    u"妍妤妓妊妥孝孜孚孛完宋宏尬局屁尿"
    u"尾岐岑岔岌巫希序庇床廷弄弟彤形彷"
    u"役忘忌志忍忱快忸忪戒我抄抗抖技扶"
    u"抉扭把扼找批扳抒扯折扮投抓抑抆改"
    u"攻攸旱更束李杏材村杜杖杞杉杆杠",
    // 0xA8
    u"杓杗步每求汞沙沁沈沉沅沛汪決沐汰"
    u"沌汨沖沒汽沃汲汾汴沆汶沍沔沘沂灶"
    u"灼災灸牢牡牠狄狂玖甬甫男甸皂盯矣"
    u"私秀禿究系罕肖肓肝肘肛肚育良芒\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF芋芍見角言谷豆豕貝赤走足身車辛"
    u"辰迂迆迅迄巡邑邢邪邦那酉釆里防阮"
    u"阱阪阬並乖乳事些亞享京佯依侍佳使"
    u"佬供例來侃佰併侈佩佻侖佾侏侑佺兔"
    u"兒兕兩具其典冽函刻券刷刺到刮制剁"
    u"劾劻卒協卓卑卦卷卸卹取叔受味呵",
    // 0xA9
    u"咖呸咕咀呻呷咄咒咆呼咐呱呶和咚呢"
    u"周咋命咎固垃坷坪坩坡坦坤坼夜奉奇"
    u"奈奄奔妾妻委妹妮姑姆姐姍始姓姊妯"
    u"妳姒姅孟孤季宗定官宜宙宛尚屈居\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF屆岷岡岸岩岫岱岳帘帚帖帕帛帑幸"
    u"庚店府底庖延弦弧弩往征彿彼忝忠忽"
    u"念忿怏怔怯怵怖怪怕怡性怩怫怛或戕"
    u"房戾所承拉拌拄抿拂抹拒招披拓拔拋"
    u"拈抨抽押拐拙拇拍抵拚抱拘拖拗拆抬"
    u"拎放斧於旺昔易昌昆昂明昀昏昕昊",
    // 0xAA
    u"昇服朋杭枋枕東果杳杷枇枝林杯杰板"
    u"枉松析杵枚枓杼杪杲欣武歧歿氓氛泣"
    u"注泳沱泌泥河沽沾沼波沫法泓沸泄油"
    u"況沮泗泅泱沿治泡泛泊沬泯泜泖泠\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF炕炎炒炊炙爬爭爸版牧物狀狎狙狗"
    u"狐玩玨玟玫玥甽疝疙疚的盂盲直知矽"
    u"社祀祁秉秈空穹竺糾罔羌羋者肺肥肢"
    u"肱股肫肩肴肪肯臥臾舍芳芝芙芭芽芟"
    u"芹花芬芥芯芸芣芰芾芷虎虱初表軋迎"
    u"返近邵邸邱邶采金長門阜陀阿阻附",
    // 0xAB
    u"陂隹雨青非亟亭亮信侵侯便俠俑俏保"
    u"促侶俘俟俊俗侮俐俄係俚俎俞侷兗冒"
    u"冑冠剎剃削前剌剋則勇勉勃勁匍南卻"
    u"厚叛咬哀咨哎哉咸咦咳哇哂咽咪品\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF哄哈咯咫咱咻咩咧咿囿垂型垠垣垢"
    u"城垮垓奕契奏奎奐姜姘姿姣姨娃姥姪"
    u"姚姦威姻孩宣宦室客宥封屎屏屍屋峙"
    u"峒巷帝帥帟幽庠度建弈弭彥很待徊律"
    u"徇後徉怒思怠急怎怨恍恰恨恢恆恃恬"
    u"恫恪恤扁拜挖按拼拭持拮拽指拱拷",
    // 0xAC
    u"拯括拾拴挑挂政故斫施既春昭映昧是"
    u"星昨昱昤曷柿染柱柔某柬架枯柵柩柯"
    u"柄柑枴柚查枸柏柞柳枰柙柢柝柒歪殃"
    u"殆段毒毗氟泉洋洲洪流津洌洱洞洗\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF活洽派洶洛泵洹洧洸洩洮洵洎洫炫"
    u"為炳炬炯炭炸炮炤爰牲牯牴狩狠狡玷"
    u"珊玻玲珍珀玳甚甭畏界畎畋疫疤疥疢"
    u"疣癸皆皇皈盈盆盃盅省盹相眉看盾盼"
    u"眇矜砂研砌砍祆祉祈祇禹禺科秒秋穿"
    u"突竿竽籽紂紅紀紉紇約紆缸美羿耄",
    // 0xAD
    u"耐耍耑耶胖胥胚胃胄背胡胛胎胞胤胝"
    u"致舢苧范茅苣苛苦茄若茂茉苒苗英茁"
    u"苜苔苑苞苓苟苯茆虐虹虻虺衍衫要觔"
    u"計訂訃貞負赴赳趴軍軌述迦迢迪迥\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF迭迫迤迨郊郎郁郃酋酊重閂限陋陌"
    u"降面革韋韭音頁風飛食首香乘亳倌倍"
    u"倣俯倦倥俸倩倖倆值借倚倒們俺倀倔"
    u"倨俱倡個候倘俳修倭倪俾倫倉兼冤冥"
    u"冢凍凌准凋剖剜剔剛剝匪卿原厝叟哨"
    u"唐唁唷哼哥哲唆哺唔哩哭員唉哮哪",
    // 0xAE
    u"哦唧唇哽唏圃圄埂埔埋埃堉夏套奘奚"
    u"娑娘娜娟娛娓姬娠娣娩娥娌娉孫屘宰"
    u"害家宴宮宵容宸射屑展屐峭峽峻峪峨"
    u"峰島崁峴差席師庫庭座弱徒徑徐恙\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF恣恥恐恕恭恩息悄悟悚悍悔悌悅悖"
    u"扇拳挈拿捎挾振捕捂捆捏捉挺捐挽挪"
    u"挫挨捍捌效敉料旁旅時晉晏晃晒晌晅"
    u"晁書朔朕朗校核案框桓根桂桔栩梳栗"
    u"桌桑栽柴桐桀格桃株桅栓栘桁殊殉殷"
    u"氣氧氨氦氤泰浪涕消涇浦浸海浙涓",
    // 0xAF
    u"浬涉浮浚浴浩涌涊浹涅浥涔烊烘烤烙"
    u"烈烏爹特狼狹狽狸狷玆班琉珮珠珪珞"
    u"畔畝畜畚留疾病症疲疳疽疼疹痂疸皋"
    u"皰益盍盎眩真眠眨矩砰砧砸砝破砷\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF砥砭砠砟砲祕祐祠祟祖神祝祗祚秤"
    u"秣秧租秦秩秘窄窈站笆笑粉紡紗紋紊"
    u"素索純紐紕級紜納紙紛缺罟羔翅翁耆"
    u"耘耕耙耗耽耿胱脂胰脅胭胴脆胸胳脈"
    u"能脊胼胯臭臬舀舐航舫舨般芻茫荒荔"
    u"荊茸荐草茵茴荏茲茹茶茗荀茱茨荃",
    // 0xB0
    u"虔蚊蚪蚓蚤蚩蚌蚣蚜衰衷袁袂衽衹記"
    u"訐討訌訕訊託訓訖訏訑豈豺豹財貢起"
    u"躬軒軔軏辱送逆迷退迺迴逃追逅迸邕"
    u"郡郝郢酒配酌釘針釗釜釙閃院陣陡\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF陛陝除陘陞隻飢馬骨高鬥鬲鬼乾偺"
    u"偽停假偃偌做偉健偶偎偕偵側偷偏倏"
    u"偯偭兜冕凰剪副勒務勘動匐匏匙匿區"
    u"匾參曼商啪啦啄啞啡啃啊唱啖問啕唯"
    u"啤唸售啜唬啣唳啁啗圈國圉域堅堊堆"
    u"埠埤基堂堵執培夠奢娶婁婉婦婪婀",
    // 0xB1
    u"娼婢婚婆婊孰寇寅寄寂宿密尉專將屠"
    u"屜屝崇崆崎崛崖崢崑崩崔崙崤崧崗巢"
    u"常帶帳帷康庸庶庵庾張強彗彬彩彫得"
    u"徙從徘御徠徜恿患悉悠您惋悴惦悽\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF情悻悵惜悼惘惕惆惟悸惚惇戚戛扈"
    u"掠控捲掖探接捷捧掘措捱掩掉掃掛捫"
    u"推掄授掙採掬排掏掀捻捩捨捺敝敖救"
    u"教敗啟敏敘敕敔斜斛斬族旋旌旎晝晚"
    u"晤晨晦晞曹勗望梁梯梢梓梵桿桶梱梧"
    u"梗械梃棄梭梆梅梔條梨梟梡梂欲殺",
    // 0xB2
    u"毫毬氫涎涼淳淙液淡淌淤添淺清淇淋"
    u"涯淑涮淞淹涸混淵淅淒渚涵淚淫淘淪"
    u"深淮淨淆淄涪淬涿淦烹焉焊烽烯爽牽"
    u"犁猜猛猖猓猙率琅琊球理現琍瓠瓶\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF瓷甜產略畦畢異疏痔痕疵痊痍皎盔"
    u"盒盛眷眾眼眶眸眺硫硃硎祥票祭移窒"
    u"窕笠笨笛第符笙笞笮粒粗粕絆絃統紮"
    u"紹紼絀細紳組累終紲紱缽羞羚翌翎習"
    u"耜聊聆脯脖脣脫脩脰脤舂舵舷舶船莎"
    u"莞莘荸莢莖莽莫莒莊莓莉莠荷荻荼",
    // 0xB3
    u"莆莧處彪蛇蛀蚶蛄蚵蛆蛋蚱蚯蛉術袞"
    u"袈被袒袖袍袋覓規訪訝訣訥許設訟訛"
    u"訢豉豚販責貫貨貪貧赧赦趾趺軛軟這"
    u"逍通逗連速逝逐逕逞造透逢逖逛途\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF部郭都酗野釵釦釣釧釭釩閉陪陵陳"
    u"陸陰陴陶陷陬雀雪雩章竟頂頃魚鳥鹵"
    u"鹿麥麻傢傍傅備傑傀傖傘傚最凱割剴"
    u"創剩勞勝勛博厥啻喀喧啼喊喝喘喂喜"
    u"喪喔喇喋喃喳單喟唾喲喚喻喬喱啾喉"
    u"喫喙圍堯堪場堤堰報堡堝堠壹壺奠",
    // 0xB4
    u"婷媚婿媒媛媧孳孱寒富寓寐尊尋就嵌"
    u"嵐崴嵇巽幅帽幀幃幾廊廁廂廄弼彭復"
    u"循徨惑惡悲悶惠愜愣惺愕惰惻惴慨惱"
    u"愎惶愉愀愒戟扉掣掌描揀揩揉揆揍\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF插揣提握揖揭揮捶援揪換摒揚揹敞"
    u"敦敢散斑斐斯普晰晴晶景暑智晾晷曾"
    u"替期朝棺棕棠棘棗椅棟棵森棧棹棒棲"
    u"棣棋棍植椒椎棉棚楮棻款欺欽殘殖殼"
    u"毯氮氯氬港游湔渡渲湧湊渠渥渣減湛"
    u"湘渤湖湮渭渦湯渴湍渺測湃渝渾滋",
    // 0xB5
    u"溉渙湎湣湄湲湩湟焙焚焦焰無然煮焜"
    u"牌犄犀猶猥猴猩琺琪琳琢琥琵琶琴琯"
    u"琛琦琨甥甦畫番痢痛痣痙痘痞痠登發"
    u"皖皓皴盜睏短硝硬硯稍稈程稅稀窘\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF窗窖童竣等策筆筐筒答筍筋筏筑粟"
    u"粥絞結絨絕紫絮絲絡給絢絰絳善翔翕"
    u"耋聒肅腕腔腋腑腎脹腆脾腌腓腴舒舜"
    u"菩萃菸萍菠菅萋菁華菱菴著萊菰萌菌"
    u"菽菲菊萸萎萄菜萇菔菟虛蛟蛙蛭蛔蛛"
    u"蛤蛐蛞街裁裂袱覃視註詠評詞証詁",
    // 0xB6
    u"詔詛詐詆訴診訶詖象貂貯貼貳貽賁費"
    u"賀貴買貶貿貸越超趁跎距跋跚跑跌跛"
    u"跆軻軸軼辜逮逵週逸進逶鄂郵鄉郾酣"
    u"酥量鈔鈕鈣鈉鈞鈍鈐鈇鈑閔閏開閑\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF間閒閎隊階隋陽隅隆隍陲隄雁雅雄"
    u"集雇雯雲韌項順須飧飪飯飩飲飭馮馭"
    u"黃黍黑亂傭債傲傳僅傾催傷傻傯僇剿"
    u"剷剽募勦勤勢勣匯嗟嗨嗓嗦嗎嗜嗇嗑"
    u"嗣嗤嗯嗚嗡嗅嗆嗥嗉園圓塞塑塘塗塚"
    u"塔填塌塭塊塢塒塋奧嫁嫉嫌媾媽媼",
    // 0xB7
    u"媳嫂媲嵩嵯幌幹廉廈弒彙徬微愚意慈"
    u"感想愛惹愁愈慎慌慄慍愾愴愧愍愆愷"
    u"戡戢搓搾搞搪搭搽搬搏搜搔損搶搖搗"
    u"搆敬斟新暗暉暇暈暖暄暘暍會榔業\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF楚楷楠楔極椰概楊楨楫楞楓楹榆楝"
    u"楣楛歇歲毀殿毓毽溢溯滓溶滂源溝滇"
    u"滅溥溘溼溺溫滑準溜滄滔溪溧溴煎煙"
    u"煩煤煉照煜煬煦煌煥煞煆煨煖爺牒猷"
    u"獅猿猾瑯瑚瑕瑟瑞瑁琿瑙瑛瑜當畸瘀"
    u"痰瘁痲痱痺痿痴痳盞盟睛睫睦睞督",
    // 0xB8
    u"睹睪睬睜睥睨睢矮碎碰碗碘碌碉硼碑"
    u"碓硿祺祿禁萬禽稜稚稠稔稟稞窟窠筷"
    u"節筠筮筧粱粳粵經絹綑綁綏絛置罩罪"
    u"署義羨群聖聘肆肄腱腰腸腥腮腳腫\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF腹腺腦舅艇蒂葷落萱葵葦葫葉葬葛"
    u"萼萵葡董葩葭葆虞虜號蛹蜓蜈蜇蜀蛾"
    u"蛻蜂蜃蜆蜊衙裟裔裙補裘裝裡裊裕裒"
    u"覜解詫該詳試詩詰誇詼詣誠話誅詭詢"
    u"詮詬詹詻訾詨豢貊貉賊資賈賄貲賃賂"
    u"賅跡跟跨路跳跺跪跤跦躲較載軾輊",
    // 0xB9
    u"辟農運遊道遂達逼違遐遇遏過遍遑逾"
    u"遁鄒鄗酬酪酩釉鈷鉗鈸鈽鉀鈾鉛鉋鉤"
    u"鉑鈴鉉鉍鉅鈹鈿鉚閘隘隔隕雍雋雉雊"
    u"雷電雹零靖靴靶預頑頓頊頒頌飼飴\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF飽飾馳馱馴髡鳩麂鼎鼓鼠僧僮僥僖"
    u"僭僚僕像僑僱僎僩兢凳劃劂匱厭嗾嘀"
    u"嘛嘗嗽嘔嘆嘉嘍嘎嗷嘖嘟嘈嘐嗶團圖"
    u"塵塾境墓墊塹墅塽壽夥夢夤奪奩嫡嫦"
    u"嫩嫗嫖嫘嫣孵寞寧寡寥實寨寢寤察對"
    u"屢嶄嶇幛幣幕幗幔廓廖弊彆彰徹慇",
    // 0xBA
    u"愿態慷慢慣慟慚慘慵截撇摘摔撤摸摟"
    u"摺摑摧搴摭摻敲斡旗旖暢暨暝榜榨榕"
    u"槁榮槓構榛榷榻榫榴槐槍榭槌榦槃榣"
    u"歉歌氳漳演滾漓滴漩漾漠漬漏漂漢\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF滿滯漆漱漸漲漣漕漫漯澈漪滬漁滲"
    u"滌滷熔熙煽熊熄熒爾犒犖獄獐瑤瑣瑪"
    u"瑰瑭甄疑瘧瘍瘋瘉瘓盡監瞄睽睿睡磁"
    u"碟碧碳碩碣禎福禍種稱窪窩竭端管箕"
    u"箋筵算箝箔箏箸箇箄粹粽精綻綰綜綽"
    u"綾綠緊綴網綱綺綢綿綵綸維緒緇綬",
    // 0xBB
    u"罰翠翡翟聞聚肇腐膀膏膈膊腿膂臧臺"
    u"與舔舞艋蓉蒿蓆蓄蒙蒞蒲蒜蓋蒸蓀蓓"
    u"蒐蒼蓑蓊蜿蜜蜻蜢蜥蜴蜘蝕蜷蜩裳褂"
    u"裴裹裸製裨褚裯誦誌語誣認誡誓誤\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF說誥誨誘誑誚誧豪貍貌賓賑賒赫趙"
    u"趕跼輔輒輕輓辣遠遘遜遣遙遞遢遝遛"
    u"鄙鄘鄞酵酸酷酴鉸銀銅銘銖鉻銓銜銨"
    u"鉼銑閡閨閩閣閥閤隙障際雌雒需靼鞅"
    u"韶頗領颯颱餃餅餌餉駁骯骰髦魁魂鳴"
    u"鳶鳳麼鼻齊億儀僻僵價儂儈儉儅凜",
    // 0xBC
    u"劇劈劉劍劊勰厲嘮嘻嘹嘲嘿嘴嘩噓噎"
    u"噗噴嘶嘯嘰墀墟增墳墜墮墩墦奭嬉嫻"
    u"嬋嫵嬌嬈寮寬審寫層履嶝嶔幢幟幡廢"
    u"廚廟廝廣廠彈影德徵慶慧慮慝慕憂\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF慼慰慫慾憧憐憫憎憬憚憤憔憮戮摩"
    u"摯摹撞撲撈撐撰撥撓撕撩撒撮播撫撚"
    u"撬撙撢撳敵敷數暮暫暴暱樣樟槨樁樞"
    u"標槽模樓樊槳樂樅槭樑歐歎殤毅毆漿"
    u"潼澄潑潦潔澆潭潛潸潮澎潺潰潤澗潘"
    u"滕潯潠潟熟熬熱熨牖犛獎獗瑩璋璃",
    // 0xBD
    u"瑾璀畿瘠瘩瘟瘤瘦瘡瘢皚皺盤瞎瞇瞌"
    u"瞑瞋磋磅確磊碾磕碼磐稿稼穀稽稷稻"
    u"窯窮箭箱範箴篆篇篁箠篌糊締練緯緻"
    u"緘緬緝編緣線緞緩綞緙緲緹罵罷羯\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF翩耦膛膜膝膠膚膘蔗蔽蔚蓮蔬蔭蔓"
    u"蔑蔣蔡蔔蓬蔥蓿蔆螂蝴蝶蝠蝦蝸蝨蝙"
    u"蝗蝌蝓衛衝褐複褒褓褕褊誼諒談諄誕"
    u"請諸課諉諂調誰論諍誶誹諛豌豎豬賠"
    u"賞賦賤賬賭賢賣賜質賡赭趟趣踫踐踝"
    u"踢踏踩踟踡踞躺輝輛輟輩輦輪輜輞",
    // 0xBE
    u"輥適遮遨遭遷鄰鄭鄧鄱醇醉醋醃鋅銻"
    u"銷鋪銬鋤鋁銳銼鋒鋇鋰銲閭閱霄霆震"
    u"霉靠鞍鞋鞏頡頫頜颳養餓餒餘駝駐駟"
    u"駛駑駕駒駙骷髮髯鬧魅魄魷魯鴆鴉\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鴃麩麾黎墨齒儒儘儔儐儕冀冪凝劑"
    u"劓勳噙噫噹噩噤噸噪器噥噱噯噬噢噶"
    u"壁墾壇壅奮嬝嬴學寰導彊憲憑憩憊懍"
    u"憶憾懊懈戰擅擁擋撻撼據擄擇擂操撿"
    u"擒擔撾整曆曉暹曄曇暸樽樸樺橙橫橘"
    u"樹橄橢橡橋橇樵機橈歙歷氅濂澱澡",
    // 0xBF
    u"濃澤濁澧澳激澹澶澦澠澴熾燉燐燒燈"
    u"燕熹燎燙燜燃燄獨璜璣璘璟璞瓢甌甍"
    u"瘴瘸瘺盧盥瞠瞞瞟瞥磨磚磬磧禦積穎"
    u"穆穌穋窺篙簑築篤篛篡篩篦糕糖縊\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF縑縈縛縣縞縝縉縐罹羲翰翱翮耨膳"
    u"膩膨臻興艘艙蕊蕙蕈蕨蕩蕃蕉蕭蕪蕞"
    u"螃螟螞螢融衡褪褲褥褫褡親覦諦諺諫"
    u"諱謀諜諧諮諾謁謂諷諭諳諶諼豫豭貓"
    u"賴蹄踱踴蹂踹踵輻輯輸輳辨辦遵遴選"
    u"遲遼遺鄴醒錠錶鋸錳錯錢鋼錫錄錚",
    // 0xC0
    u"錐錦錡錕錮錙閻隧隨險雕霎霑霖霍霓"
    u"霏靛靜靦鞘頰頸頻頷頭頹頤餐館餞餛"
    u"餡餚駭駢駱骸骼髻髭鬨鮑鴕鴣鴦鴨鴒"
    u"鴛默黔龍龜優償儡儲勵嚎嚀嚐嚅嚇\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF嚏壕壓壑壎嬰嬪嬤孺尷屨嶼嶺嶽嶸"
    u"幫彌徽應懂懇懦懋戲戴擎擊擘擠擰擦"
    u"擬擱擢擭斂斃曙曖檀檔檄檢檜櫛檣橾"
    u"檗檐檠歜殮毚氈濘濱濟濠濛濤濫濯澀"
    u"濬濡濩濕濮濰燧營燮燦燥燭燬燴燠爵"
    u"牆獰獲璩環璦璨癆療癌盪瞳瞪瞰瞬",
    // 0xC1
    u"瞧瞭矯磷磺磴磯礁禧禪穗窿簇簍篾篷"
    u"簌篠糠糜糞糢糟糙糝縮績繆縷縲繃縫"
    u"總縱繅繁縴縹繈縵縿縯罄翳翼聱聲聰"
    u"聯聳臆臃膺臂臀膿膽臉膾臨舉艱薪\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF薄蕾薜薑薔薯薛薇薨薊虧蟀蟑螳蟒"
    u"蟆螫螻螺蟈蟋褻褶襄褸褽覬謎謗謙講"
    u"謊謠謝謄謐豁谿豳賺賽購賸賻趨蹉蹋"
    u"蹈蹊轄輾轂轅輿避遽還邁邂邀鄹醣醞"
    u"醜鍍鎂錨鍵鍊鍥鍋錘鍾鍬鍛鍰鍚鍔闊"
    u"闋闌闈闆隱隸雖霜霞鞠韓顆颶餵騁",
    // 0xC2
    u"駿鮮鮫鮪鮭鴻鴿麋黏點黜黝黛鼾齋叢"
    u"嚕嚮壙壘嬸彝懣戳擴擲擾攆擺擻擷斷"
    u"曜朦檳檬櫃檻檸櫂檮檯歟歸殯瀉瀋濾"
    u"瀆濺瀑瀏燻燼燾燸獷獵璧璿甕癖癘\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF癒瞽瞿瞻瞼礎禮穡穢穠竄竅簫簧簪"
    u"簞簣簡糧織繕繞繚繡繒繙罈翹翻職聶"
    u"臍臏舊藏薩藍藐藉薰薺薹薦蟯蟬蟲蟠"
    u"覆覲觴謨謹謬謫豐贅蹙蹣蹦蹤蹟蹕軀"
    u"轉轍邇邃邈醫醬釐鎔鎊鎖鎢鎳鎮鎬鎰"
    u"鎘鎚鎗闔闖闐闕離雜雙雛雞霤鞣鞦",
    // 0xC3
    u"鞭韹額顏題顎顓颺餾餿餽餮馥騎髁鬃"
    u"鬆魏魎魍鯊鯉鯽鯈鯀鵑鵝鵠黠鼕鼬儳"
    u"嚥壞壟壢寵龐廬懲懷懶懵攀攏曠曝櫥"
    u"櫝櫚櫓瀛瀟瀨瀚瀝瀕瀘爆爍牘犢獸\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF獺璽瓊瓣疇疆癟癡矇礙禱穫穩簾簿"
    u"簸簽簷籀繫繭繹繩繪羅繳羶羹羸臘藩"
    u"藝藪藕藤藥藷蟻蠅蠍蟹蟾襠襟襖襞譁"
    u"譜識證譚譎譏譆譙贈贊蹼蹲躇蹶蹬蹺"
    u"蹴轔轎辭邊邋醱醮鏡鏑鏟鏃鏈鏜鏝鏖"
    u"鏢鏍鏘鏤鏗鏨關隴難霪霧靡韜韻類",
    // 0xC4
    u"願顛颼饅饉騖騙鬍鯨鯧鯖鯛鶉鵡鵲鵪"
    u"鵬麒麗麓麴勸嚨嚷嚶嚴嚼壤孀孃孽寶"
    u"巉懸懺攘攔攙曦朧櫬瀾瀰瀲爐獻瓏癢"
    u"癥礦礪礬礫竇競籌籃籍糯糰辮繽繼\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF纂罌耀臚艦藻藹蘑藺蘆蘋蘇蘊蠔蠕"
    u"襤覺觸議譬警譯譟譫贏贍躉躁躅躂醴"
    u"釋鐘鐃鏽闡霰飄饒饑馨騫騰騷騵鰓鰍"
    u"鹹麵黨鼯齟齣齡儷儸囁囀囂夔屬巍懼"
    u"懾攝攜斕曩櫻欄櫺殲灌爛犧瓖瓔癩矓"
    u"籐纏續羼蘗蘭蘚蠣蠢蠡蠟襪襬覽譴",
    // 0xC5
    u"護譽贓躊躍躋轟辯醺鐮鐳鐵鐺鐸鐲鐫"
    u"闢霸霹露響顧顥饗驅驃驀騾髏魔魑鰭"
    u"鰥鶯鶴鷂鶸麝黯鼙齜齦齧儼儻囈囊囉"
    u"孿巔巒彎懿攤權歡灑灘玀瓤疊癮癬\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF禳籠籟聾聽臟襲襯觼讀贖贗躑躓轡"
    u"酈鑄鑑鑒霽霾韃韁顫饕驕驍髒鬚鱉鰱"
    u"鰾鰻鷓鷗鼴齬齪龔囌巖戀攣攫攪曬欐"
    u"瓚竊籤籣籥纓纖纔臢蘸蘿蠱變邐邏鑣"
    u"鑠鑤靨顯饜驚驛驗髓體髑鱔鱗鱖鷥麟"
    u"黴囑壩攬灞癱癲矗罐羈蠶蠹衢讓讒",
    // 0xC6
    u"讖艷贛釀鑪靂靈靄韆顰驟鬢魘鱟鷹鷺"
    u"鹼鹽鼇齷齲廳欖灣籬籮蠻觀躡釁鑲鑰"
    u"顱饞髖鬣黌灤矚讚鑷韉驢驥纜讜躪釅"
    u"鑽鑾鑼鱷鱸黷豔鑿鸚爨驪鬱鸛鸞籲\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF",
    {},
    {},
    // 0xC9
    u"乂乜凵匚厂万丌乇亍囗\uFA0C屮彳丏冇与"
    u"丮亓仂仉仈冘勼卬厹圠夃夬尐巿旡殳"
    u"毌气爿丱丼仨仜仩仡仝仚刌匜卌圢圣"
    u"夗夯宁宄尒尻屴屳帄庀庂忉戉扐氕\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF氶汃氿氻犮犰玊禸肊阞伎优伬仵伔"
    u"仱伀价伈伝伂伅伢伓伄仴伒冱刓刉刐"
    u"劦匢匟卍厊吇囡囟圮圪圴夼妀奼妅奻"
    u"奾奷奿孖尕尥屼屺屻屾巟幵庄异弚彴"
    u"忕忔忏扜扞扤扡扦扢扙扠扚扥旯旮朾"
    u"朹朸朻机朿朼朳氘汆汒汜汏汊汔汋",
    // 0xCA
    u"汌灱牞犴犵玎甪癿穵网艸艼芀艽艿虍"
    u"襾邙邗邘邛邔阢阤阠阣佖伻佢佉体佤"
    u"伾佧佒佟佁佘伭伳伿佡冏冹刜刞刡劭"
    u"劮匉卣卲厎厏吰吷吪呔呅吙吜吥吘\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF吽呏呁吨吤呇囮囧囥坁坅坌坉坋坒"
    u"夆奀妦妘妠妗妎妢妐妏妧妡宎宒尨尪"
    u"岍岏岈岋岉岒岊岆岓岕巠帊帎庋庉庌"
    u"庈庍弅弝彸彶忒忑忐忭忨忮忳忡忤忣"
    u"忺忯忷忻怀忴戺抃抌抎抏抔抇扱扻扺"
    u"扰抁抈扷扽扲扴攷旰旴旳旲旵杅杇",
    // 0xCB
    u"杙杕杌杈杝杍杚杋毐氙氚汸汧汫沄沋"
    u"沏汱汯汩沚汭沇沕沜汦汳汥汻沎灴灺"
    u"牣犿犽狃狆狁犺狅玕玗玓玔玒町甹疔"
    u"疕皁礽耴肕肙肐肒肜芐芏芅芎芑芓\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF芊芃芄豸迉辿邟邡邥邞邧邠阰阨阯"
    u"阭丳侘佼侅佽侀侇佶佴侉侄佷佌侗佪"
    u"侚佹侁佸侐侜侔侞侒侂侕佫佮冞冼冾"
    u"刵刲刳剆刱劼匊匋匼厒厔咇呿咁咑咂"
    u"咈呫呺呾呥呬呴呦咍呯呡呠咘呣呧呤"
    u"囷囹坯坲坭坫坱坰坶垀坵坻坳坴坢",
    // 0xCC
    u"坨坽夌奅妵妺姏姎妲姌姁妶妼姃姖妱"
    u"妽姀姈妴姇孢孥宓宕屄屇岮岤岠岵岯"
    u"岨岬岟岣岭岢岪岧岝岥岶岰岦帗帔帙"
    u"弨弢弣弤彔徂彾彽忞忥怭怦怙怲怋\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF怴怊怗怳怚怞怬怢怍怐怮怓怑怌怉"
    u"怜戔戽抭抴拑抾抪抶拊抮抳抯抻抩抰"
    u"抸攽斨斻昉旼昄昒昈旻昃昋昍昅旽昑"
    u"昐曶朊枅杬枎枒杶杻枘枆构杴枍枌杺"
    u"枟枑枙枃杽极杸杹枔欥殀歾毞氝沓泬"
    u"泫泮泙沶泔沭泧沷泐泂沺泃泆泭泲",
    // 0xCD
    u"泒泝沴沊沝沀泞泀洰泍泇沰泹泏泩泑"
    u"炔炘炅炓炆炄炑炖炂炚炃牪狖狋狘狉"
    u"狜狒狔狚狌狑玤玡玭玦玢玠玬玝瓝瓨"
    u"甿畀甾疌疘皯盳盱盰盵矸矼矹矻矺\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF矷祂礿秅穸穻竻籵糽耵肏肮肣肸肵"
    u"肭舠芠苀芫芚芘芛芵芧芮芼芞芺芴芨"
    u"芡芩苂芤苃芶芢虰虯虭虮豖迒迋迓迍"
    u"迖迕迗邲邴邯邳邰阹阽阼阺陃俍俅俓"
    u"侲俉俋俁俔俜俙侻侳俛俇俖侺俀侹俬"
    u"剄剉勀勂匽卼厗厖厙厘咺咡咭咥哏",
    // 0xCE
    u"哃茍咷咮哖咶哅哆咠呰咼咢咾呲哞咰"
    u"垵垞垟垤垌垗垝垛垔垘垏垙垥垚垕壴"
    u"复奓姡姞姮娀姱姝姺姽姼姶姤姲姷姛"
    u"姩姳姵姠姾姴姭宨屌峐峘峌峗峋峛\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF峞峚峉峇峊峖峓峔峏峈峆峎峟峸巹"
    u"帡帢帣帠帤庰庤庢庛庣庥弇弮彖徆怷"
    u"怹恔恲恞恅恓恇恉恛恌恀恂恟怤恄恘"
    u"恦恮扂扃拏挍挋拵挎挃拫拹挏挌拸拶"
    u"挀挓挔拺挕拻拰敁敃斪斿昶昡昲昵昜"
    u"昦昢昳昫昺昝昴昹昮朏朐柁柲柈枺",
    // 0xCF
    u"柜枻柸柘柀枷柅柫柤柟枵柍枳柷柶柮"
    u"柣柂枹柎柧柰枲柼柆柭柌枮柦柛柺柉"
    u"柊柃柪柋欨殂殄殶毖毘毠氠氡洨洴洭"
    u"洟洼洿洒洊泚洳洄洙洺洚洑洀洝浂\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF洁洘洷洃洏浀洇洠洬洈洢洉洐炷炟"
    u"炾炱炰炡炴炵炩牁牉牊牬牰牳牮狊狤"
    u"狨狫狟狪狦狣玅珌珂珈珅玹玶玵玴珫"
    u"玿珇玾珃珆玸珋瓬瓮甮畇畈疧疪癹盄"
    u"眈眃眄眅眊盷盻盺矧矨砆砑砒砅砐砏"
    u"砎砉砃砓祊祌祋祅祄秕种秏秖秎窀",
    // 0xD0
    u"穾竑笀笁籺籸籹籿粀粁紃紈紁罘羑羍"
    u"羾耇耎耏耔耷胘胇胠胑胈胂胐胅胣胙"
    u"胜胊胕胉胏胗胦胍臿舡芔苙苾苹茇苨"
    u"茀苕茺苫苖苴苬苡苲苵茌苻苶苰苪\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF苤苠苺苳苭虷虴虼虳衁衎衧衪衩觓"
    u"訄訇赲迣迡迮迠郱邽邿郕郅邾郇郋郈"
    u"釔釓陔陏陑陓陊陎倞倅倇倓倢倰倛俵"
    u"俴倳倷倬俶俷倗倜倠倧倵倯倱倎党冔"
    u"冓凊凄凅凈凎剡剚剒剞剟剕剢勍匎厞"
    u"唦哢唗唒哧哳哤唚哿唄唈哫唑唅哱",
    // 0xD1
    u"唊哻哷哸哠唎唃唋圁圂埌堲埕埒垺埆"
    u"垽垼垸垶垿埇埐垹埁夎奊娙娖娭娮娕"
    u"娏娗娊娞娳孬宧宭宬尃屖屔峬峿峮峱"
    u"峷崀峹帩帨庨庮庪庬弳弰彧恝恚恧\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF恁悢悈悀悒悁悝悃悕悛悗悇悜悎戙"
    u"扆拲挐捖挬捄捅挶捃揤挹捋捊挼挩捁"
    u"挴捘捔捙挭捇挳捚捑挸捗捀捈敊敆旆"
    u"旃旄旂晊晟晇晑朒朓栟栚桉栲栳栻桋"
    u"桏栖栱栜栵栫栭栯桎桄栴栝栒栔栦栨"
    u"栮桍栺栥栠欬欯欭欱欴歭肂殈毦毤",
    // 0xD2
    u"毨毣毢毧氥浺浣浤浶洍浡涒浘浢浭浯"
    u"涑涍淯浿涆浞浧浠涗浰浼浟涂涘洯浨"
    u"涋浾涀涄洖涃浻浽浵涐烜烓烑烝烋缹"
    u"烢烗烒烞烠烔烍烅烆烇烚烎烡牂牸\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF牷牶猀狺狴狾狶狳狻猁珓珙珥珖玼"
    u"珧珣珩珜珒珛珔珝珚珗珘珨瓞瓟瓴瓵"
    u"甡畛畟疰痁疻痄痀疿疶疺皊盉眝眛眐"
    u"眓眒眣眑眕眙眚眢眧砣砬砢砵砯砨砮"
    u"砫砡砩砳砪砱祔祛祏祜祓祒祑秫秬秠"
    u"秮秭秪秜秞秝窆窉窅窋窌窊窇竘笐",
    // 0xD3
    u"笄笓笅笏笈笊笎笉笒粄粑粊粌粈粍粅"
    u"紞紝紑紎紘紖紓紟紒紏紌罜罡罞罠罝"
    u"罛羖羒翃翂翀耖耾耹胺胲胹胵脁胻脀"
    u"舁舯舥茳茭荄茙荑茥荖茿荁茦茜茢\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF荂荎茛茪茈茼荍茖茤茠茷茯茩荇荅"
    u"荌荓茞茬荋茧荈虓虒蚢蚨蚖蚍蚑蚞蚇"
    u"蚗蚆蚋蚚蚅蚥蚙蚡蚧蚕蚘蚎蚝蚐蚔衃"
    u"衄衭衵衶衲袀衱衿衯袃衾衴衼訒豇豗"
    u"豻貤貣赶赸趵趷趶軑軓迾迵适迿迻逄"
    u"迼迶郖郠郙郚郣郟郥郘郛郗郜郤酐",
    // 0xD4
    u"酎酏釕釢釚陜陟隼飣髟鬯乿偰偪偡偞"
    u"偠偓偋偝偲偈偍偁偛偊偢倕偅偟偩偫"
    u"偣偤偆偀偮偳偗偑凐剫剭剬剮勖勓匭"
    u"厜啵啶唼啍啐唴唪啑啢唶唵唰啒啅\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF唌唲啥啎唹啈唭唻啀啋圊圇埻堔埢"
    u"埶埜埴堀埭埽堈埸堋埳埏堇埮埣埲埥"
    u"埬埡堎埼堐埧堁堌埱埩埰堍堄奜婠婘"
    u"婕婧婞娸娵婭婐婟婥婬婓婤婗婃婝婒"
    u"婄婛婈媎娾婍娹婌婰婩婇婑婖婂婜孲"
    u"孮寁寀屙崞崋崝崚崠崌崨崍崦崥崏",
    // 0xD5
    u"崰崒崣崟崮帾帴庱庴庹庲庳弶弸徛徖"
    u"徟悊悐悆悾悰悺惓惔惏惤惙惝惈悱惛"
    u"悷惊悿惃惍惀挲捥掊掂捽掽掞掭掝掗"
    u"掫掎捯掇掐据掯捵掜捭掮捼掤挻掟\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF捸掅掁掑掍捰敓旍晥晡晛晙晜晢朘"
    u"桹梇梐梜桭桮梮梫楖桯梣梬梩桵桴梲"
    u"梏桷梒桼桫桲梪梀桱桾梛梖梋梠梉梤"
    u"桸桻梑梌梊桽欶欳欷欸殑殏殍殎殌氪"
    u"淀涫涴涳湴涬淩淢涷淶淔渀淈淠淟淖"
    u"涾淥淜淝淛淴淊涽淭淰涺淕淂淏淉",
    // 0xD6
    u"淐淲淓淽淗淍淣涻烺焍烷焗烴焌烰焄"
    u"烳焐烼烿焆焓焀烸烶焋焂焎牾牻牼牿"
    u"猝猗猇猑猘猊猈狿猏猞玈珶珸珵琄琁"
    u"珽琇琀珺珼珿琌琋珴琈畤畣痎痒痏\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF痋痌痑痐皏皉盓眹眯眭眱眲眴眳眽"
    u"眥眻眵硈硒硉硍硊硌砦硅硐祤祧祩祪"
    u"祣祫祡离秺秸秶秷窏窔窐笵筇笴笥笰"
    u"笢笤笳笘笪笝笱笫笭笯笲笸笚笣粔粘"
    u"粖粣紵紽紸紶紺絅紬紩絁絇紾紿絊紻"
    u"紨罣羕羜羝羛翊翋翍翐翑翇翏翉耟",
    // 0xD7
    u"耞耛聇聃聈脘脥脙脛脭脟脬脞脡脕脧"
    u"脝脢舑舸舳舺舴舲艴莐莣莨莍荺荳莤"
    u"荴莏莁莕莙荵莔莩荽莃莌莝莛莪莋荾"
    u"莥莯莈莗莰荿莦莇莮荶莚虙虖蚿蚷\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF蛂蛁蛅蚺蚰蛈蚹蚳蚸蛌蚴蚻蚼蛃蚽"
    u"蚾衒袉袕袨袢袪袚袑袡袟袘袧袙袛袗"
    u"袤袬袌袓袎覂觖觙觕訰訧訬訞谹谻豜"
    u"豝豽貥赽赻赹趼跂趹趿跁軘軞軝軜軗"
    u"軠軡逤逋逑逜逌逡郯郪郰郴郲郳郔郫"
    u"郬郩酖酘酚酓酕釬釴釱釳釸釤釹釪",
    // 0xD8
    u"釫釷釨釮镺閆閈陼陭陫陱陯隿靪頄飥"
    u"馗傛傕傔傞傋傣傃傌傎傝偨傜傒傂傇"
    u"兟凔匒匑厤厧喑喨喥喭啷噅喢喓喈喏"
    u"喵喁喣喒喤啽喌喦啿喕喡喎圌堩堷\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF堙堞堧堣堨埵塈堥堜堛堳堿堶堮堹"
    u"堸堭堬堻奡媯媔媟婺媢媞婸媦婼媥媬"
    u"媕媮娷媄媊媗媃媋媩婻婽媌媜媏媓媝"
    u"寪寍寋寔寑寊寎尌尰崷嵃嵫嵁嵋崿崵"
    u"嵑嵎嵕崳崺嵒崽崱嵙嵂崹嵉崸崼崲崶"
    u"嵀嵅幄幁彘徦徥徫惉悹惌惢惎惄愔",
    // 0xD9
    u"惲愊愖愅惵愓惸惼惾惁愃愘愝愐惿愄"
    u"愋扊掔掱掰揎揥揨揯揃撝揳揊揠揶揕"
    u"揲揵摡揟掾揝揜揄揘揓揂揇揌揋揈揰"
    u"揗揙攲敧敪敤敜敨敥斌斝斞斮旐旒\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF晼晬晻暀晱晹晪晲朁椌棓椄棜椪棬"
    u"棪棱椏棖棷棫棤棶椓椐棳棡椇棌椈楰"
    u"梴椑棯棆椔棸棐棽棼棨椋椊椗棎棈棝"
    u"棞棦棴棑椆棔棩椕椥棇欹欻欿欼殔殗"
    u"殙殕殽毰毲毳氰淼湆湇渟湉溈渼渽湅"
    u"湢渫渿湁湝湳渜渳湋湀湑渻渃渮湞",
    // 0xDA
    u"湨湜湡渱渨湠湱湫渹渢渰湓湥渧湸湤"
    u"湷湕湹湒湦渵渶湚焠焞焯烻焮焱焣焥"
    u"焢焲焟焨焺焛牋牚犈犉犆犅犋猒猋猰"
    u"猢猱猳猧猲猭猦猣猵猌琮琬琰琫琖\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF琚琡琭琱琤琣琝琩琠琲瓻甯畯畬痧"
    u"痚痡痦痝痟痤痗皕皒盚睆睇睄睍睅睊"
    u"睎睋睌矞矬硠硤硥硜硭硱硪确硰硩硨"
    u"硞硢祴祳祲祰稂稊稃稌稄窙竦竤筊笻"
    u"筄筈筌筎筀筘筅粢粞粨粡絘絯絣絓絖"
    u"絧絪絏絭絜絫絒絔絩絑絟絎缾缿罥",
    // 0xDB
    u"罦羢羠羡翗聑聏聐胾胔腃腊腒腏腇脽"
    u"腍脺臦臮臷臸臹舄舼舽舿艵茻菏菹萣"
    u"菀菨萒菧菤菼菶萐菆菈菫菣莿萁菝菥"
    u"菘菿菡菋菎菖菵菉萉萏菞萑萆菂菳\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF菕菺菇菑菪萓菃菬菮菄菻菗菢萛菛"
    u"菾蛘蛢蛦蛓蛣蛚蛪蛝蛫蛜蛬蛩蛗蛨蛑"
    u"衈衖衕袺裗袹袸裀袾袶袼袷袽袲褁裉"
    u"覕覘覗觝觚觛詎詍訹詙詀詗詘詄詅詒"
    u"詈詑詊詌詏豟貁貀貺貾貰貹貵趄趀趉"
    u"跘跓跍跇跖跜跏跕跙跈跗跅軯軷軺",
    // 0xDC
    u"軹軦軮軥軵軧軨軶軫軱軬軴軩逭逴逯"
    u"鄆鄬鄄郿郼鄈郹郻鄁鄀鄇鄅鄃酡酤酟"
    u"酢酠鈁鈊鈥鈃鈚鈦鈏鈌鈀鈒釿釽鈆鈄"
    u"鈧鈂鈜鈤鈙鈗鈅鈖镻閍閌閐隇陾隈\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF隉隃隀雂雈雃雱雰靬靰靮頇颩飫鳦"
    u"黹亃亄亶傽傿僆傮僄僊傴僈僂傰僁傺"
    u"傱僋僉傶傸凗剺剸剻剼嗃嗛嗌嗐嗋嗊"
    u"嗝嗀嗔嗄嗩喿嗒喍嗏嗕嗢嗖嗈嗲嗍嗙"
    u"嗂圔塓塨塤塏塍塉塯塕塎塝塙塥塛堽"
    u"塣塱壼嫇嫄嫋媺媸媱媵媰媿嫈媻嫆",
    // 0xDD
    u"媷嫀嫊媴媶嫍媹媐寖寘寙尟尳嵱嵣嵊"
    u"嵥嵲嵬嵞嵨嵧嵢巰幏幎幊幍幋廅廌廆"
    u"廋廇彀徯徭惷慉慊愫慅愶愲愮慆愯慏"
    u"愩慀戠酨戣戥戤揅揱揫搐搒搉搠搤\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF搳摃搟搕搘搹搷搢搣搌搦搰搨摁搵"
    u"搯搊搚摀搥搧搋揧搛搮搡搎敯斒旓暆"
    u"暌暕暐暋暊暙暔晸朠楦楟椸楎楢楱椿"
    u"楅楪椹楂楗楙楺楈楉椵楬椳椽楥棰楸"
    u"椴楩楀楯楄楶楘楁楴楌椻楋椷楜楏楑"
    u"椲楒椯楻椼歆歅歃歂歈歁殛\uFA0D毻毼",
    // 0xDE
    u"毹毷毸溛滖滈溏滀溟溓溔溠溱溹滆滒"
    u"溽滁溞滉溷溰滍溦滏溲溾滃滜滘溙溒"
    u"溎溍溤溡溿溳滐滊溗溮溣煇煔煒煣煠"
    u"煁煝煢煲煸煪煡煂煘煃煋煰煟煐煓\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF煄煍煚牏犍犌犑犐犎猼獂猻猺獀獊"
    u"獉瑄瑊瑋瑒瑑瑗瑀瑏瑐瑎瑂瑆瑍瑔瓡"
    u"瓿瓾瓽甝畹畷榃痯瘏瘃痷痾痼痹痸瘐"
    u"痻痶痭痵痽皙皵盝睕睟睠睒睖睚睩睧"
    u"睔睙睭矠碇碚碔碏碄碕碅碆碡碃硹碙"
    u"碀碖硻祼禂祽祹稑稘稙稒稗稕稢稓",
    // 0xDF
    u"稛稐窣窢窞竫筦筤筭筴筩筲筥筳筱筰"
    u"筡筸筶筣粲粴粯綈綆綀綍絿綅絺綎絻"
    u"綃絼綌綔綄絽綒罭罫罧罨罬羦羥羧翛"
    u"翜耡腤腠腷腜腩腛腢腲朡腞腶腧腯\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF腄腡舝艉艄艀艂艅蓱萿葖葶葹蒏蒍"
    u"葥葑葀蒆葧萰葍葽葚葙葴葳葝蔇葞萷"
    u"萺萴葺葃葸萲葅萩菙葋萯葂萭葟葰萹"
    u"葎葌葒葯蓅蒎萻葇萶萳葨葾葄萫葠葔"
    u"葮葐蜋蜄蛷蜌蛺蛖蛵蝍蛸蜎蜉蜁蛶蜍"
    u"蜅裖裋裍裎裞裛裚裌裐覅覛觟觥觤",
    // 0xE0
    u"觡觠觢觜触詶誆詿詡訿詷誂誄詵誃誁"
    u"詴詺谼豋豊豥豤豦貆貄貅賌赨赩趑趌"
    u"趎趏趍趓趔趐趒跰跠跬跱跮跐跩跣跢"
    u"跧跲跫跴輆軿輁輀輅輇輈輂輋遒逿\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF遄遉逽鄐鄍鄏鄑鄖鄔鄋鄎酮酯鉈鉒"
    u"鈰鈺鉦鈳鉥鉞銃鈮鉊鉆鉭鉬鉏鉠鉧鉯"
    u"鈶鉡鉰鈱鉔鉣鉐鉲鉎鉓鉌鉖鈲閟閜閞"
    u"閛隒隓隑隗雎雺雽雸雵靳靷靸靲頏頍"
    u"頎颬飶飹馯馲馰馵骭骫魛鳪鳭鳧麀黽"
    u"僦僔僗僨僳僛僪僝僤僓僬僰僯僣僠",
    // 0xE1
    u"凘劀劁勩勫匰厬嘧嘕嘌嘒嗼嘏嘜嘁嘓"
    u"嘂嗺嘝嘄嗿嗹墉塼墐墘墆墁塿塴墋塺"
    u"墇墑墎塶墂墈塻墔墏壾奫嫜嫮嫥嫕嫪"
    u"嫚嫭嫫嫳嫢嫠嫛嫬嫞嫝嫙嫨嫟孷寠\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF寣屣嶂嶀嵽嶆嵺嶁嵷嶊嶉嶈嵾嵼嶍"
    u"嵹嵿幘幙幓廘廑廗廎廜廕廙廒廔彄彃"
    u"彯徶愬愨慁慞慱慳慒慓慲慬憀慴慔慺"
    u"慛慥愻慪慡慖戩戧戫搫摍摛摝摴摶摲"
    u"摳摽摵摦撦摎撂摞摜摋摓摠摐摿搿摬"
    u"摫摙摥摷敳斠暡暠暟朅朄朢榱榶槉",
    // 0xE2
    u"榠槎榖榰榬榼榑榙榎榧榍榩榾榯榿槄"
    u"榽榤槔榹槊榚槏榳榓榪榡榞槙榗榐槂"
    u"榵榥槆歊歍歋殞殟殠毃毄毾滎滵滱漃"
    u"漥滸漷滻漮漉潎漙漚漧漘漻漒滭漊\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF漶潳滹滮漭潀漰漼漵滫漇漎潃漅滽"
    u"滶漹漜滼漺漟漍漞漈漡熇熐熉熀熅熂"
    u"熏煻熆熁熗牄牓犗犕犓獃獍獑獌瑢瑳"
    u"瑱瑵瑲瑧瑮甀甂甃畽疐瘖瘈瘌瘕瘑瘊"
    u"瘔皸瞁睼瞅瞂睮瞀睯睾瞃碲碪碴碭碨"
    u"硾碫碞碥碠碬碢碤禘禊禋禖禕禔禓",
    // 0xE3
    u"禗禈禒禐稫穊稰稯稨稦窨窫窬竮箈箜"
    u"箊箑箐箖箍箌箛箎箅箘劄箙箤箂粻粿"
    u"粼粺綧綷緂綣綪緁緀緅綝緎緄緆緋緌"
    u"綯綹綖綼綟綦綮綩綡緉罳翢翣翥翞\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF耤聝聜膉膆膃膇膍膌膋舕蒗蒤蒡蒟"
    u"蒺蓎蓂蒬蒮蒫蒹蒴蓁蓍蒪蒚蒱蓐蒝蒧"
    u"蒻蒢蒔蓇蓌蒛蒩蒯蒨蓖蒘蒶蓏蒠蓗蓔"
    u"蓒蓛蒰蒑虡蜳蜣蜨蝫蝀蜮蜞蜡蜙蜛蝃"
    u"蜬蝁蜾蝆蜠蜲蜪蜭蜼蜒蜺蜱蜵蝂蜦蜧"
    u"蜸蜤蜚蜰蜑裷裧裱裲裺裾裮裼裶裻",
    // 0xE4
    u"裰裬裫覝覡覟覞觩觫觨誫誙誋誒誏誖"
    u"谽豨豩賕賏賗趖踉踂跿踍跽踊踃踇踆"
    u"踅跾踀踄輐輑輎輍鄣鄜鄠鄢鄟鄝鄚鄤"
    u"鄡鄛酺酲酹酳銥銤鉶銛鉺銠銔銪銍\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF銦銚銫鉹銗鉿銣鋮銎銂銕銢鉽銈銡"
    u"銊銆銌銙銧鉾銇銩銝銋鈭隞隡雿靘靽"
    u"靺靾鞃鞀鞂靻鞄鞁靿韎韍頖颭颮餂餀"
    u"餇馝馜駃馹馻馺駂馽駇骱髣髧鬾鬿魠"
    u"魡魟鳱鳲鳵麧僿儃儰僸儆儇僶僾儋儌"
    u"僽儊劋劌勱勯噈噂噌嘵噁噊噉噆噘",
    // 0xE5
    u"噚噀嘳嘽嘬嘾嘸嘪嘺圚墫墝墱墠墣墯"
    u"墬墥墡壿嫿嫴嫽嫷嫶嬃嫸嬂嫹嬁嬇嬅"
    u"嬏屧嶙嶗嶟嶒嶢嶓嶕嶠嶜嶡嶚嶞幩幝"
    u"幠幜緳廛廞廡彉徲憋憃慹憱憰憢憉\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF憛憓憯憭憟憒憪憡憍慦憳戭摮摰撖"
    u"撠撅撗撜撏撋撊撌撣撟摨撱撘敶敺敹"
    u"敻斲斳暵暰暩暲暷暪暯樀樆樗槥槸樕"
    u"槱槤樠槿槬槢樛樝槾樧槲槮樔槷槧橀"
    u"樈槦槻樍槼槫樉樄樘樥樏槶樦樇槴樖"
    u"歑殥殣殢殦氁氀毿氂潁漦潾澇濆澒",
    // 0xE6
    u"澍澉澌潢潏澅潚澖潶潬澂潕潲潒潐潗"
    u"澔澓潝漀潡潫潽潧澐潓澋潩潿澕潣潷"
    u"潪潻熲熯熛熰熠熚熩熵熝熥熞熤熡熪"
    u"熜熧熳犘犚獘獒獞獟獠獝獛獡獚獙\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF獢璇璉璊璆璁瑽璅璈瑼瑹甈甇畾瘥"
    u"瘞瘙瘝瘜瘣瘚瘨瘛皜皝皞皛瞍瞏瞉瞈"
    u"磍碻磏磌磑磎磔磈磃磄磉禚禡禠禜禢"
    u"禛歶稹窲窴窳箷篋箾箬篎箯箹篊箵糅"
    u"糈糌糋緷緛緪緧緗緡縃緺緦緶緱緰緮"
    u"緟罶羬羰羭翭翫翪翬翦翨聤聧膣膟",
    // 0xE7
    u"膞膕膢膙膗舖艏艓艒艐艎艑蔤蔻蔏蔀"
    u"蔩蔎蔉蔍蔟蔊蔧蔜蓻蔫蓺蔈蔌蓴蔪蓲"
    u"蔕蓷蓫蓳蓼蔒蓪蓩蔖蓾蔨蔝蔮蔂蓽蔞"
    u"蓶蔱蔦蓧蓨蓰蓯蓹蔘蔠蔰蔋蔙蔯虢\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF蝖蝣蝤蝷蟡蝳蝘蝔蝛蝒蝡蝚蝑蝞蝭"
    u"蝪蝐蝎蝟蝝蝯蝬蝺蝮蝜蝥蝏蝻蝵蝢蝧"
    u"蝩衚褅褌褔褋褗褘褙褆褖褑褎褉覢覤"
    u"覣觭觰觬諏諆誸諓諑諔諕誻諗誾諀諅"
    u"諘諃誺誽諙谾豍貏賥賟賙賨賚賝賧趠"
    u"趜趡趛踠踣踥踤踮踕踛踖踑踙踦踧",
    // 0xE8
    u"踔踒踘踓踜踗踚輬輤輘輚輠輣輖輗遳"
    u"遰遯遧遫鄯鄫鄩鄪鄲鄦鄮醅醆醊醁醂"
    u"醄醀鋐鋃鋄鋀鋙銶鋏鋱鋟鋘鋩鋗鋝鋌"
    u"鋯鋂鋨鋊鋈鋎鋦鋍鋕鋉鋠鋞鋧鋑鋓\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF銵鋡鋆銴镼閬閫閮閰隤隢雓霅霈霂"
    u"靚鞊鞎鞈韐韏頞頝頦頩頨頠頛頧颲餈"
    u"飺餑餔餖餗餕駜駍駏駓駔駎駉駖駘駋"
    u"駗駌骳髬髫髳髲髱魆魃魧魴魱魦魶魵"
    u"魰魨魤魬鳼鳺鳽鳿鳷鴇鴀鳹鳻鴈鴅鴄"
    u"麃黓鼏鼐儜儓儗儚儑凞匴叡噰噠噮",
    // 0xE9
    u"噳噦噣噭噲噞噷圜圛壈墽壉墿墺壂墼"
    u"壆嬗嬙嬛嬡嬔嬓嬐嬖嬨嬚嬠嬞寯嶬嶱"
    u"嶩嶧嶵嶰嶮嶪嶨嶲嶭嶯嶴幧幨幦幯廩"
    u"廧廦廨廥彋徼憝憨憖懅憴懆懁懌憺\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF憿憸憌擗擖擐擏擉撽撉擃擛擳擙攳"
    u"敿敼斢曈暾曀曊曋曏暽暻暺曌朣樴橦"
    u"橉橧樲橨樾橝橭橶橛橑樨橚樻樿橁橪"
    u"橤橐橏橔橯橩橠樼橞橖橕橍橎橆歕歔"
    u"歖殧殪殫毈毇氄氃氆澭濋澣濇澼濎濈"
    u"潞濄澽澞濊澨瀄澥澮澺澬澪濏澿澸",
    // 0xEA
    u"澢濉澫濍澯澲澰燅燂熿熸燖燀燁燋燔"
    u"燊燇燏熽燘熼燆燚燛犝犞獩獦獧獬獥"
    u"獫獪瑿璚璠璔璒璕璡甋疀瘯瘭瘱瘽瘳"
    u"瘼瘵瘲瘰皻盦瞚瞝瞡瞜瞛瞢瞣瞕瞙\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF瞗磝磩磥磪磞磣磛磡磢磭磟磠禤穄"
    u"穈穇窶窸窵窱窷篞篣篧篝篕篥篚篨篹"
    u"篔篪篢篜篫篘篟糒糔糗糐糑縒縡縗縌"
    u"縟縠縓縎縜縕縚縢縋縏縖縍縔縥縤罃"
    u"罻罼罺羱翯耪耩聬膱膦膮膹膵膫膰膬"
    u"膴膲膷膧臲艕艖艗蕖蕅蕫蕍蕓蕡蕘",
    // 0xEB
    u"蕀蕆蕤蕁蕢蕄蕑蕇蕣蔾蕛蕱蕎蕮蕵蕕"
    u"蕧蕠薌蕦蕝蕔蕥蕬虣虥虤螛螏螗螓螒"
    u"螈螁螖螘蝹螇螣螅螐螑螝螄螔螜螚螉"
    u"褞褦褰褭褮褧褱褢褩褣褯褬褟觱諠\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF諢諲諴諵諝謔諤諟諰諈諞諡諨諿諯"
    u"諻貑貒貐賵賮賱賰賳赬赮趥趧踳踾踸"
    u"蹀蹅踶踼踽蹁踰踿躽輶輮輵輲輹輷輴"
    u"遶遹遻邆郺鄳鄵鄶醓醐醑醍醏錧錞錈"
    u"錟錆錏鍺錸錼錛錣錒錁鍆錭錎錍鋋錝"
    u"鋺錥錓鋹鋷錴錂錤鋿錩錹錵錪錔錌",
    // 0xEC
    u"錋鋾錉錀鋻錖閼闍閾閹閺閶閿閵閽隩"
    u"雔霋霒霐鞙鞗鞔韰韸頵頯頲餤餟餧餩"
    u"馞駮駬駥駤駰駣駪駩駧骹骿骴骻髶髺"
    u"髹髷鬳鮀鮅鮇魼魾魻鮂鮓鮒鮐魺鮕\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF魽鮈鴥鴗鴠鴞鴔鴩鴝鴘鴢鴐鴙鴟麈"
    u"麆麇麮麭黕黖黺鼒鼽儦儥儢儤儠儩勴"
    u"嚓嚌嚍嚆嚄嚃噾嚂噿嚁壖壔壏壒嬭嬥"
    u"嬲嬣嬬嬧嬦嬯嬮孻寱寲嶷幬幪徾徻懃"
    u"憵憼懧懠懥懤懨懞擯擩擣擫擤擨斁斀"
    u"斶旚曒檍檖檁檥檉檟檛檡檞檇檓檎",
    // 0xED
    u"檕檃檨檤檑橿檦檚檅檌檒歛殭氉濌澩"
    u"濴濔濣濜濭濧濦濞濲濝濢濨燡燱燨燲"
    u"燤燰燢獳獮獯璗璲璫璐璪璭璱璥璯甐"
    u"甑甒甏疄癃癈癉癇皤盩瞵瞫瞲瞷瞶\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF瞴瞱瞨矰磳磽礂磻磼磲礅磹磾礄禫"
    u"禨穜穛穖穘穔穚窾竀竁簅簏篲簀篿篻"
    u"簎篴簋篳簂簉簃簁篸篽簆篰篱簐簊糨"
    u"縭縼繂縳顈縸縪繉繀繇縩繌縰縻縶繄"
    u"縺罅罿罾罽翴翲耬膻臄臌臊臅臇膼臩"
    u"艛艚艜薃薀薏薧薕薠薋薣蕻薤薚薞",
    // 0xEE
    u"蕷蕼薉薡蕺蕸蕗薎薖薆薍薙薝薁薢薂"
    u"薈薅蕹蕶薘薐薟虨螾螪螭蟅螰螬螹螵"
    u"螼螮蟉蟃蟂蟌螷螯蟄蟊螴螶螿螸螽蟞"
    u"螲褵褳褼褾襁襒褷襂覭覯覮觲觳謞\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF謘謖謑謅謋謢謏謒謕謇謍謈謆謜謓"
    u"謚豏豰豲豱豯貕貔賹赯蹎蹍蹓蹐蹌蹇"
    u"轃轀邅遾鄸醚醢醛醙醟醡醝醠鎡鎃鎯"
    u"鍤鍖鍇鍼鍘鍜鍶鍉鍐鍑鍠鍭鎏鍌鍪鍹"
    u"鍗鍕鍒鍏鍱鍷鍻鍡鍞鍣鍧鎀鍎鍙闇闀"
    u"闉闃闅閷隮隰隬霠霟霘霝霙鞚鞡鞜",
    // 0xEF
    u"鞞鞝韕韔韱顁顄顊顉顅顃餥餫餬餪餳"
    u"餲餯餭餱餰馘馣馡騂駺駴駷駹駸駶駻"
    u"駽駾駼騃骾髾髽鬁髼魈鮚鮨鮞鮛鮦鮡"
    u"鮥鮤鮆鮢鮠鮯鴳鵁鵧鴶鴮鴯鴱鴸鴰\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鵅鵂鵃鴾鴷鵀鴽翵鴭麊麉麍麰黈黚"
    u"黻黿鼤鼣鼢齔龠儱儭儮嚘嚜嚗嚚嚝嚙"
    u"奰嬼屩屪巀幭幮懘懟懭懮懱懪懰懫懖"
    u"懩擿攄擽擸攁攃擼斔旛曚曛曘櫅檹檽"
    u"櫡櫆檺檶檷櫇檴檭歞毉氋瀇瀌瀍瀁瀅"
    u"瀔瀎濿瀀濻瀦濼濷瀊爁燿燹爃燽獶",
    // 0xF0
    u"璸瓀璵瓁璾璶璻瓂甔甓癜癤癙癐癓癗"
    u"癚皦皽盬矂瞺磿礌礓礔礉礐礒礑禭禬"
    u"穟簜簩簙簠簟簭簝簦簨簢簥簰繜繐繖"
    u"繣繘繢繟繑繠繗繓羵羳翷翸聵臑臒\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF臐艟艞薴藆藀藃藂薳薵薽藇藄薿藋"
    u"藎藈藅薱薶藒蘤薸薷薾虩蟧蟦蟢蟛蟫"
    u"蟪蟥蟟蟳蟤蟔蟜蟓蟭蟘蟣螤蟗蟙蠁蟴"
    u"蟨蟝襓襋襏襌襆襐襑襉謪謧謣謳謰謵"
    u"譇謯謼謾謱謥謷謦謶謮謤謻謽謺豂豵"
    u"貙貘貗賾贄贂贀蹜蹢蹠蹗蹖蹞蹥蹧",
    // 0xF1
    u"蹛蹚蹡蹝蹩蹔轆轇轈轋鄨鄺鄻鄾醨醥"
    u"醧醯醪鎵鎌鎒鎷鎛鎝鎉鎧鎎鎪鎞鎦鎕"
    u"鎈鎙鎟鎍鎱鎑鎲鎤鎨鎴鎣鎥闒闓闑隳"
    u"雗雚巂雟雘雝霣霢霥鞬鞮鞨鞫鞤鞪\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鞢鞥韗韙韖韘韺顐顑顒颸饁餼餺騏"
    u"騋騉騍騄騑騊騅騇騆髀髜鬈鬄鬅鬩鬵"
    u"魊魌魋鯇鯆鯃鮿鯁鮵鮸鯓鮶鯄鮹鮽鵜"
    u"鵓鵏鵊鵛鵋鵙鵖鵌鵗鵒鵔鵟鵘鵚麎麌"
    u"黟鼁鼀鼖鼥鼫鼪鼩鼨齌齕儴儵劖勷厴"
    u"嚫嚭嚦嚧嚪嚬壚壝壛夒嬽嬾嬿巃幰",
    // 0xF2
    u"徿懻攇攐攍攉攌攎斄旞旝曞櫧櫠櫌櫑"
    u"櫙櫋櫟櫜櫐櫫櫏櫍櫞歠殰氌瀙瀧瀠瀖"
    u"瀫瀡瀢瀣瀩瀗瀤瀜瀪爌爊爇爂爅犥犦"
    u"犤犣犡瓋瓅璷瓃甖癠矉矊矄矱礝礛\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF礡礜礗礞禰穧穨簳簼簹簬簻糬糪繶"
    u"繵繸繰繷繯繺繲繴繨罋罊羃羆羷翽翾"
    u"聸臗臕艤艡艣藫藱藭藙藡藨藚藗藬藲"
    u"藸藘藟藣藜藑藰藦藯藞藢蠀蟺蠃蟶蟷"
    u"蠉蠌蠋蠆蟼蠈蟿蠊蠂襢襚襛襗襡襜襘"
    u"襝襙覈覷覶觶譐譈譊譀譓譖譔譋譕",
    // 0xF3
    u"譑譂譒譗豃豷豶貚贆贇贉趬趪趭趫蹭"
    u"蹸蹳蹪蹯蹻軂轒轑轏轐轓辴酀鄿醰醭"
    u"鏞鏇鏏鏂鏚鏐鏹鏬鏌鏙鎩鏦鏊鏔鏮鏣"
    u"鏕鏄鏎鏀鏒鏧镽闚闛雡霩霫霬霨霦\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鞳鞷鞶韝韞韟顜顙顝顗颿颽颻颾饈"
    u"饇饃馦馧騚騕騥騝騤騛騢騠騧騣騞騜"
    u"騔髂鬋鬊鬎鬌鬷鯪鯫鯠鯞鯤鯦鯢鯰鯔"
    u"鯗鯬鯜鯙鯥鯕鯡鯚鵷鶁鶊鶄鶈鵱鶀鵸"
    u"鶆鶋鶌鵽鵫鵴鵵鵰鵩鶅鵳鵻鶂鵯鵹鵿"
    u"鶇鵨麔麑黀黼鼭齀齁齍齖齗齘匷嚲",
    // 0xF4
    u"嚵嚳壣孅巆巇廮廯忀忁懹攗攖攕攓旟"
    u"曨曣曤櫳櫰櫪櫨櫹櫱櫮櫯瀼瀵瀯瀷瀴"
    u"瀱灂瀸瀿瀺瀹灀瀻瀳灁爓爔犨獽獼璺"
    u"皫皪皾盭矌矎矏矍矲礥礣礧礨礤礩\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF禲穮穬穭竷籉籈籊籇籅糮繻繾纁纀"
    u"羺翿聹臛臙舋艨艩蘢藿蘁藾蘛蘀藶蘄"
    u"蘉蘅蘌藽蠙蠐蠑蠗蠓蠖襣襦覹觷譠譪"
    u"譝譨譣譥譧譭趮躆躈躄轙轖轗轕轘轚"
    u"邍酃酁醷醵醲醳鐋鐓鏻鐠鐏鐔鏾鐕鐐"
    u"鐨鐙鐍鏵鐀鏷鐇鐎鐖鐒鏺鐉鏸鐊鏿",
    // 0xF5
    u"鏼鐌鏶鐑鐆闞闠闟霮霯鞹鞻韽韾顠顢"
    u"顣顟飁飂饐饎饙饌饋饓騲騴騱騬騪騶"
    u"騩騮騸騭髇髊髆鬐鬒鬑鰋鰈鯷鰅鰒鯸"
    u"鱀鰇鰎鰆鰗鰔鰉鶟鶙鶤鶝鶒鶘鶐鶛\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF鶠鶔鶜鶪鶗鶡鶚鶢鶨鶞鶣鶿鶩鶖鶦"
    u"鶧麙麛麚黥黤黧黦鼰鼮齛齠齞齝齙龑"
    u"儺儹劘劗囃嚽嚾孈孇巋巏廱懽攛欂櫼"
    u"欃櫸欀灃灄灊灈灉灅灆爝爚爙獾甗癪"
    u"矐礭礱礯籔籓糲纊纇纈纋纆纍罍羻耰"
    u"臝蘘蘪蘦蘟蘣蘜蘙蘧蘮蘡蘠蘩蘞蘥",
    // 0xF6
    u"蠩蠝蠛蠠蠤蠜蠫衊襭襩襮襫觺譹譸譅"
    u"譺譻贐贔趯躎躌轞轛轝酆酄酅醹鐿鐻"
    u"鐶鐩鐽鐼鐰鐹鐪鐷鐬鑀鐱闥闤闣霵霺"
    u"鞿韡顤飉飆飀饘饖騹騽驆驄驂驁騺\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF騿髍鬕鬗鬘鬖鬺魒鰫鰝鰜鰬鰣鰨鰩"
    u"鰤鰡鶷鶶鶼鷁鷇鷊鷏鶾鷅鷃鶻鶵鷎鶹"
    u"鶺鶬鷈鶱鶭鷌鶳鷍鶲鹺麜黫黮黭鼛鼘"
    u"鼚鼱齎齥齤龒亹囆囅囋奱孋孌巕巑廲"
    u"攡攠攦攢欋欈欉氍灕灖灗灒爞爟犩獿"
    u"瓘瓕瓙瓗癭皭礵禴穰穱籗籜籙籛籚",
    // 0xF7
    u"糴糱纑罏羇臞艫蘴蘵蘳蘬蘲蘶蠬蠨蠦"
    u"蠪蠥襱覿覾觻譾讄讂讆讅譿贕躕躔躚"
    u"躒躐躖躗轠轢酇鑌鑐鑊鑋鑏鑇鑅鑈鑉"
    u"鑆霿韣顪顩飋饔饛驎驓驔驌驏驈驊\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF驉驒驐髐鬙鬫鬻魖魕鱆鱈鰿鱄鰹鰳"
    u"鱁鰼鰷鰴鰲鰽鰶鷛鷒鷞鷚鷋鷐鷜鷑鷟"
    u"鷩鷙鷘鷖鷵鷕鷝麶黰鼵鼳鼲齂齫龕龢"
    u"儽劙壨壧奲孍巘蠯彏戁戃戄攩攥斖曫"
    u"欑欒欏毊灛灚爢玂玁玃癰矔籧籦纕艬"
    u"蘺虀蘹蘼蘱蘻蘾蠰蠲蠮蠳襶襴襳觾",
    // 0xF8
    u"讌讎讋讈豅贙躘轤轣醼鑢鑕鑝鑗鑞韄"
    u"韅頀驖驙鬞鬟鬠鱒鱘鱐鱊鱍鱋鱕鱙鱌"
    u"鱎鷻鷷鷯鷣鷫鷸鷤鷶鷡鷮鷦鷲鷰鷢鷬"
    u"鷴鷳鷨鷭黂黐黲黳鼆鼜鼸鼷鼶齃齏\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF齱齰齮齯囓囍孎屭攭曭曮欓灟灡灝"
    u"灠爣瓛瓥矕礸禷禶籪纗羉艭虃蠸蠷蠵"
    u"衋讔讕躞躟躠躝醾醽釂鑫鑨鑩雥靆靃"
    u"靇韇韥驞髕魙鱣鱧鱦鱢鱞鱠鸂鷾鸇鸃"
    u"鸆鸅鸀鸁鸉鷿鷽鸄麠鼞齆齴齵齶囔攮"
    u"斸欘欙欗欚灢爦犪矘矙礹籩籫糶纚",
    // 0xF9
    u"纘纛纙臠臡虆虇虈襹襺襼襻觿讘讙躥"
    u"躤躣鑮鑭鑯鑱鑳靉顲饟鱨鱮鱭鸋鸍鸐"
    u"鸏鸒鸑麡黵鼉齇齸齻齺齹圞灦籯蠼趲"
    u"躦釃鑴鑸鑶鑵驠鱴鱳鱱鱵鸔鸓黶鼊\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"\uFFFF龤灨灥糷虪蠾蠽蠿讞貜躩軉靋顳顴"
    u"飌饡馫驤驦驧鬤鸕鸗齈戇欞爧虌躨钂"
    u"钀钁驩驨鬮鸙爩虋讟钃鱹麷癵驫鱺鸝"
    u"灩灪麤齾齉龘碁銹裏墻恒粧嫺╔╦╗"
    u"╠╬╣╚╩╝╒╤╕╞╪╡╘╧╛╓"
    u"╥╖╟╫╢╙╨╜║═\uFFFF\uFFFF\uFFFF\uFFFF▓",
    {},
    {},
    {},
    {},
    {},
    {},
}};

// Windows-1250: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1250 =
    u"€\u0081‚\u0083„…†‡\u0088‰Š‹ŚŤŽŹ"
    u"\u0090‘’“”•–—\u0098™š›śťžź"
    u"\u00A0ˇ˘Ł¤Ą¦§¨©Ş«¬\u00AD®Ż"
    u"°±˛ł´µ¶·¸ąş»Ľ˝ľż"
    u"ŔÁÂĂÄĹĆÇČÉĘËĚÍÎĎ"
    u"ĐŃŇÓÔŐÖ×ŘŮÚŰÜÝŢß"
    u"ŕáâăäĺćçčéęëěíîď"
    u"đńňóôőö÷řůúűüýţ˙"
;

// Windows-1251: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1251 =
    u"ЂЃ‚ѓ„…†‡€‰Љ‹ЊЌЋЏ"
    u"ђ‘’“”•–—\u0098™љ›њќћџ"
    u"\u00A0ЎўЈ¤Ґ¦§Ё©Є«¬\u00AD®Ї"
    u"°±Ііґµ¶·ё№є»јЅѕї"
    u"АБВГДЕЖЗИЙКЛМНОП"
    u"РСТУФХЦЧШЩЪЫЬЭЮЯ"
    u"абвгдежзийклмноп"
    u"рстуфхцчшщъыьэюя"
;

// Windows-1252: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1252 =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F"
    u"\u0090‘’“”•–—˜™š›œ\u009DžŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    u"ÐÑÒÓÔÕÖ×ØÙÚÛÜÝÞß"
    u"àáâãäåæçèéêëìíîï"
    u"ðñòóôõö÷øùúûüýþÿ"
;

// Windows-1253: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1253 =
    u"€\u0081‚ƒ„…†‡\u0088‰\u008A‹\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—\u0098™\u009A›\u009C\u009D\u009E\u009F"
    u"\u00A0΅Ά£¤¥¦§¨©\uFFFF«¬\u00AD®―"
    u"°±²³΄µ¶·ΈΉΊ»Ό½ΎΏ"
    u"ΐΑΒΓΔΕΖΗΘΙΚΛΜΝΞΟ"
    u"ΠΡ\uFFFFΣΤΥΦΧΨΩΪΫάέήί"
    u"ΰαβγδεζηθικλμνξο"
    u"πρςστυφχψωϊϋόύώ\uFFFF"
;

// Windows-1254: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1254 =
    u"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™š›œ\u009D\u009EŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂÃÄÅÆÇÈÉÊËÌÍÎÏ"
    u"ĞÑÒÓÔÕÖ×ØÙÚÛÜİŞß"
    u"àáâãäåæçèéêëìíîï"
    u"ğñòóôõö÷øùúûüışÿ"
;

// Windows-1255: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1255 =
    u"€\u0081‚ƒ„…†‡ˆ‰\u008A‹\u008C\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™\u009A›\u009C\u009D\u009E\u009F"
    u"\u00A0¡¢£₪¥¦§¨©×«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹÷»¼½¾¿"
    u"\u05B0\u05B1\u05B2\u05B3\u05B4\u05B5\u05B6\u05B7\u05B8\u05B9\u05BA\u05BB\u05BC\u05BD־\u05BF"
    u"׀\u05C1\u05C2׃װױײ׳״\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF\uFFFF"
    u"אבגדהוזחטיךכלםמן"
    u"נסעףפץצקרשת\uFFFF\uFFFF\u200E\u200F\uFFFF"
;

// Windows-1255: the characters it writes only as a letter and combining marks.
constexpr std::array<CodePageTable::Decomposition, 34> decompositions1255 = {{
    {0xFB1D, {0xE9, 0xC4}},
    {0xFB1F, {0xD6, 0xC7}},
    {0xFB2A, {0xF9, 0xD1}},
    {0xFB2B, {0xF9, 0xD2}},
    {0xFB2C, {0xF9, 0xCC, 0xD1}},
    {0xFB2D, {0xF9, 0xCC, 0xD2}},
    {0xFB2E, {0xE0, 0xC7}},
    {0xFB2F, {0xE0, 0xC8}},
    {0xFB30, {0xE0, 0xCC}},
    {0xFB31, {0xE1, 0xCC}},
    {0xFB32, {0xE2, 0xCC}},
    {0xFB33, {0xE3, 0xCC}},
    {0xFB34, {0xE4, 0xCC}},
    {0xFB35, {0xE5, 0xCC}},
    {0xFB36, {0xE6, 0xCC}},
    {0xFB38, {0xE8, 0xCC}},
    {0xFB39, {0xE9, 0xCC}},
    {0xFB3A, {0xEA, 0xCC}},
    {0xFB3B, {0xEB, 0xCC}},
    {0xFB3C, {0xEC, 0xCC}},
    {0xFB3E, {0xEE, 0xCC}},
    {0xFB40, {0xF0, 0xCC}},
    {0xFB41, {0xF1, 0xCC}},
    {0xFB43, {0xF3, 0xCC}},
    {0xFB44, {0xF4, 0xCC}},
    {0xFB46, {0xF6, 0xCC}},
    {0xFB47, {0xF7, 0xCC}},
    {0xFB48, {0xF8, 0xCC}},
    {0xFB49, {0xF9, 0xCC}},
    {0xFB4A, {0xFA, 0xCC}},
    {0xFB4B, {0xE5, 0xC9}},
    {0xFB4C, {0xE1, 0xCF}},
    {0xFB4D, {0xEB, 0xCF}},
    {0xFB4E, {0xF4, 0xCF}},
}};

// Windows-1256: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1256 =
    u"€پ‚ƒ„…†‡ˆ‰ٹ‹Œچژڈ"
    u"گ‘’“”•–—ک™ڑ›œ\u200C\u200Dں"
    u"\u00A0،¢£¤¥¦§¨©ھ«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹؛»¼½¾؟"
    u"ہءآأؤإئابةتثجحخد"
    u"ذرزسشصض×طظعغـفقك"
    u"àلâمنهوçèéêëىيîï"
    u"\u064B\u064C\u064D\u064Eô\u064F\u0650÷\u0651ù\u0652ûü\u200E\u200Fے"
;

// Windows-1257: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1257 =
    u"€\u0081‚\u0083„…†‡\u0088‰\u008A‹\u008C¨ˇ¸"
    u"\u0090‘’“”•–—\u0098™\u009A›\u009C¯˛\u009F"
    u"\u00A0\uFFFF¢£¤\uFFFF¦§Ø©Ŗ«¬\u00AD®Æ"
    u"°±²³´µ¶·ø¹ŗ»¼½¾æ"
    u"ĄĮĀĆÄÅĘĒČÉŹĖĢĶĪĻ"
    u"ŠŃŅÓŌÕÖ×ŲŁŚŪÜŻŽß"
    u"ąįāćäåęēčéźėģķīļ"
    u"šńņóōõö÷ųłśūüżž˙"
;

// Windows-1258: bytes 0x80 to 0xFF.
constexpr std::u16string_view upper1258 =
    u"€\u0081‚ƒ„…†‡ˆ‰\u008A‹Œ\u008D\u008E\u008F"
    u"\u0090‘’“”•–—˜™\u009A›œ\u009D\u009EŸ"
    u"\u00A0¡¢£¤¥¦§¨©ª«¬\u00AD®¯"
    u"°±²³´µ¶·¸¹º»¼½¾¿"
    u"ÀÁÂĂÄÅÆÇÈÉÊË\u0300ÍÎÏ"
    u"ĐÑ\u0309ÓÔƠÖ×ØÙÚÛÜƯ\u0303ß"
    u"àáâăäåæçèéêë\u0301íîï"
    u"đñ\u0323óôơö÷øùúûüư₫ÿ"
;

// Windows-1258: the characters it writes only as a letter and combining marks.
constexpr std::array<CodePageTable::Decomposition, 179> decompositions1258 = {{
    {0x00C3, {0x41, 0xDE}},
    {0x00CC, {0x49, 0xCC}},
    {0x00D2, {0x4F, 0xCC}},
    {0x00D5, {0x4F, 0xDE}},
    {0x00DD, {0x59, 0xEC}},
    {0x00E3, {0x61, 0xDE}},
    {0x00EC, {0x69, 0xCC}},
    {0x00F2, {0x6F, 0xCC}},
    {0x00F5, {0x6F, 0xDE}},
    {0x00FD, {0x79, 0xEC}},
    {0x0106, {0x43, 0xEC}},
    {0x0107, {0x63, 0xEC}},
    {0x0128, {0x49, 0xDE}},
    {0x0129, {0x69, 0xDE}},
    {0x0139, {0x4C, 0xEC}},
    {0x013A, {0x6C, 0xEC}},
    {0x0143, {0x4E, 0xEC}},
    {0x0144, {0x6E, 0xEC}},
    {0x0154, {0x52, 0xEC}},
    {0x0155, {0x72, 0xEC}},
    {0x015A, {0x53, 0xEC}},
    {0x015B, {0x73, 0xEC}},
    {0x0168, {0x55, 0xDE}},
    {0x0169, {0x75, 0xDE}},
    {0x0179, {0x5A, 0xEC}},
    {0x017A, {0x7A, 0xEC}},
    {0x01D7, {0xDC, 0xEC}},
    {0x01D8, {0xFC, 0xEC}},
    {0x01DB, {0xDC, 0xCC}},
    {0x01DC, {0xFC, 0xCC}},
    {0x01F4, {0x47, 0xEC}},
    {0x01F5, {0x67, 0xEC}},
    {0x01F8, {0x4E, 0xCC}},
    {0x01F9, {0x6E, 0xCC}},
    {0x01FA, {0xC5, 0xEC}},
    {0x01FB, {0xE5, 0xEC}},
    {0x01FC, {0xC6, 0xEC}},
    {0x01FD, {0xE6, 0xEC}},
    {0x01FE, {0xD8, 0xEC}},
    {0x01FF, {0xF8, 0xEC}},
    {0x0385, {0xA8, 0xEC}},
    {0x1E04, {0x42, 0xF2}},
    {0x1E05, {0x62, 0xF2}},
    {0x1E08, {0xC7, 0xEC}},
    {0x1E09, {0xE7, 0xEC}},
    {0x1E0C, {0x44, 0xF2}},
    {0x1E0D, {0x64, 0xF2}},
    {0x1E24, {0x48, 0xF2}},
    {0x1E25, {0x68, 0xF2}},
    {0x1E2E, {0xCF, 0xEC}},
    {0x1E2F, {0xEF, 0xEC}},
    {0x1E30, {0x4B, 0xEC}},
    {0x1E31, {0x6B, 0xEC}},
    {0x1E32, {0x4B, 0xF2}},
    {0x1E33, {0x6B, 0xF2}},
    {0x1E36, {0x4C, 0xF2}},
    {0x1E37, {0x6C, 0xF2}},
    {0x1E3E, {0x4D, 0xEC}},
    {0x1E3F, {0x6D, 0xEC}},
    {0x1E42, {0x4D, 0xF2}},
    {0x1E43, {0x6D, 0xF2}},
    {0x1E46, {0x4E, 0xF2}},
    {0x1E47, {0x6E, 0xF2}},
    {0x1E4C, {0x4F, 0xDE, 0xEC}},
    {0x1E4D, {0x6F, 0xDE, 0xEC}},
    {0x1E54, {0x50, 0xEC}},
    {0x1E55, {0x70, 0xEC}},
    {0x1E5A, {0x52, 0xF2}},
    {0x1E5B, {0x72, 0xF2}},
    {0x1E62, {0x53, 0xF2}},
    {0x1E63, {0x73, 0xF2}},
    {0x1E6C, {0x54, 0xF2}},
    {0x1E6D, {0x74, 0xF2}},
    {0x1E78, {0x55, 0xDE, 0xEC}},
    {0x1E79, {0x75, 0xDE, 0xEC}},
    {0x1E7C, {0x56, 0xDE}},
    {0x1E7D, {0x76, 0xDE}},
    {0x1E7E, {0x56, 0xF2}},
    {0x1E7F, {0x76, 0xF2}},
    {0x1E80, {0x57, 0xCC}},
    {0x1E81, {0x77, 0xCC}},
    {0x1E82, {0x57, 0xEC}},
    {0x1E83, {0x77, 0xEC}},
    {0x1E88, {0x57, 0xF2}},
    {0x1E89, {0x77, 0xF2}},
    {0x1E92, {0x5A, 0xF2}},
    {0x1E93, {0x7A, 0xF2}},
    {0x1EA0, {0x41, 0xF2}},
    {0x1EA1, {0x61, 0xF2}},
    {0x1EA2, {0x41, 0xD2}},
    {0x1EA3, {0x61, 0xD2}},
    {0x1EA4, {0xC2, 0xEC}},
    {0x1EA5, {0xE2, 0xEC}},
    {0x1EA6, {0xC2, 0xCC}},
    {0x1EA7, {0xE2, 0xCC}},
    {0x1EA8, {0xC2, 0xD2}},
    {0x1EA9, {0xE2, 0xD2}},
    {0x1EAA, {0xC2, 0xDE}},
    {0x1EAB, {0xE2, 0xDE}},
    {0x1EAC, {0xC2, 0xF2}},
    {0x1EAD, {0xE2, 0xF2}},
    {0x1EAE, {0xC3, 0xEC}},
    {0x1EAF, {0xE3, 0xEC}},
    {0x1EB0, {0xC3, 0xCC}},
    {0x1EB1, {0xE3, 0xCC}},
    {0x1EB2, {0xC3, 0xD2}},
    {0x1EB3, {0xE3, 0xD2}},
    {0x1EB4, {0xC3, 0xDE}},
    {0x1EB5, {0xE3, 0xDE}},
    {0x1EB6, {0xC3, 0xF2}},
    {0x1EB7, {0xE3, 0xF2}},
    {0x1EB8, {0x45, 0xF2}},
    {0x1EB9, {0x65, 0xF2}},
    {0x1EBA, {0x45, 0xD2}},
    {0x1EBB, {0x65, 0xD2}},
    {0x1EBC, {0x45, 0xDE}},
    {0x1EBD, {0x65, 0xDE}},
    {0x1EBE, {0xCA, 0xEC}},
    {0x1EBF, {0xEA, 0xEC}},
    {0x1EC0, {0xCA, 0xCC}},
    {0x1EC1, {0xEA, 0xCC}},
    {0x1EC2, {0xCA, 0xD2}},
    {0x1EC3, {0xEA, 0xD2}},
    {0x1EC4, {0xCA, 0xDE}},
    {0x1EC5, {0xEA, 0xDE}},
    {0x1EC6, {0xCA, 0xF2}},
    {0x1EC7, {0xEA, 0xF2}},
    {0x1EC8, {0x49, 0xD2}},
    {0x1EC9, {0x69, 0xD2}},
    {0x1ECA, {0x49, 0xF2}},
    {0x1ECB, {0x69, 0xF2}},
    {0x1ECC, {0x4F, 0xF2}},
    {0x1ECD, {0x6F, 0xF2}},
    {0x1ECE, {0x4F, 0xD2}},
    {0x1ECF, {0x6F, 0xD2}},
    {0x1ED0, {0xD4, 0xEC}},
    {0x1ED1, {0xF4, 0xEC}},
    {0x1ED2, {0xD4, 0xCC}},
    {0x1ED3, {0xF4, 0xCC}},
    {0x1ED4, {0xD4, 0xD2}},
    {0x1ED5, {0xF4, 0xD2}},
    {0x1ED6, {0xD4, 0xDE}},
    {0x1ED7, {0xF4, 0xDE}},
    {0x1ED8, {0xD4, 0xF2}},
    {0x1ED9, {0xF4, 0xF2}},
    {0x1EDA, {0xD5, 0xEC}},
    {0x1EDB, {0xF5, 0xEC}},
    {0x1EDC, {0xD5, 0xCC}},
    {0x1EDD, {0xF5, 0xCC}},
    {0x1EDE, {0xD5, 0xD2}},
    {0x1EDF, {0xF5, 0xD2}},
    {0x1EE0, {0xD5, 0xDE}},
    {0x1EE1, {0xF5, 0xDE}},
    {0x1EE2, {0xD5, 0xF2}},
    {0x1EE3, {0xF5, 0xF2}},
    {0x1EE4, {0x55, 0xF2}},
    {0x1EE5, {0x75, 0xF2}},
    {0x1EE6, {0x55, 0xD2}},
    {0x1EE7, {0x75, 0xD2}},
    {0x1EE8, {0xDD, 0xEC}},
    {0x1EE9, {0xFD, 0xEC}},
    {0x1EEA, {0xDD, 0xCC}},
    {0x1EEB, {0xFD, 0xCC}},
    {0x1EEC, {0xDD, 0xD2}},
    {0x1EED, {0xFD, 0xD2}},
    {0x1EEE, {0xDD, 0xDE}},
    {0x1EEF, {0xFD, 0xDE}},
    {0x1EF0, {0xDD, 0xF2}},
    {0x1EF1, {0xFD, 0xF2}},
    {0x1EF2, {0x59, 0xCC}},
    {0x1EF3, {0x79, 0xCC}},
    {0x1EF4, {0x59, 0xF2}},
    {0x1EF5, {0x79, 0xF2}},
    {0x1EF6, {0x59, 0xD2}},
    {0x1EF7, {0x79, 0xD2}},
    {0x1EF8, {0x59, 0xDE}},
    {0x1EF9, {0x79, 0xDE}},
    {0x1FED, {0xA8, 0xCC}},
    {0x1FEE, {0xA8, 0xEC}},
}};

// clang-format on

constexpr std::array<CodePageTable, 14> tables = {{
    {874, HEXCONV_TRANSLATABLE("CodePage", "Windows-874 (Thai)"), u"กฮ", upper874, {}, {}},
    {932,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-932 (Japanese)"),
     u"ｱｶ",
     upper932,
     pairs932,
     {}},
    {936,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-936 (Simplified Chinese)"),
     u"A€",
     upper936,
     pairs936,
     {}},
    {949, HEXCONV_TRANSLATABLE("CodePage", "Windows-949 (Korean)"), u"A~", upper949, pairs949, {}},
    {950,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-950 (Traditional Chinese)"),
     u"A~",
     upper950,
     pairs950,
     {}},
    {1250,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1250 (Central European)"),
     u"łŘ",
     upper1250,
     {},
     {}},
    {1251, HEXCONV_TRANSLATABLE("CodePage", "Windows-1251 (Cyrillic)"), u"жЁ", upper1251, {}, {}},
    {1252,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1252 (Western European)"),
     u"é€",
     upper1252,
     {},
     {}},
    {1253, HEXCONV_TRANSLATABLE("CodePage", "Windows-1253 (Greek)"), u"λΩ", upper1253, {}, {}},
    {1254, HEXCONV_TRANSLATABLE("CodePage", "Windows-1254 (Turkish)"), u"ğİ", upper1254, {}, {}},
    {1255,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1255 (Hebrew)"),
     u"אש",
     upper1255,
     {},
     decompositions1255},
    {1256, HEXCONV_TRANSLATABLE("CodePage", "Windows-1256 (Arabic)"), u"بع", upper1256, {}, {}},
    {1257, HEXCONV_TRANSLATABLE("CodePage", "Windows-1257 (Baltic)"), u"ėŲ", upper1257, {}, {}},
    {1258,
     HEXCONV_TRANSLATABLE("CodePage", "Windows-1258 (Vietnamese)"),
     u"ơĐ",
     upper1258,
     {},
     decompositions1258},
}};

constexpr bool hasWholeRows(const CodePageTable& table) {
    return table.upperHalf.size() == 0x80 && table.examples.size() == 2 &&
           (table.pairs.empty() ||
            (table.pairs.size() == 0x80 &&
             std::all_of(table.pairs.begin(), table.pairs.end(), [](std::u16string_view row) {
                 return row.empty() || row.size() == CodePageTable::TrailBytes;
             })));
}
static_assert(std::all_of(tables.begin(), tables.end(), hasWholeRows));
static_assert(std::is_sorted(tables.begin(), tables.end(),
                             [](const auto& a, const auto& b) { return a.number < b.number; }));

} // namespace

std::span<const CodePageTable> CodePageTable::all() {
    return tables;
}

} // namespace hexconv
