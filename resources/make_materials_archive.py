"""Makes MaterialsArchive: the writing materials, 625 entries under "描写素材/".

usage: make_materials_archive.py <output.zip> <program archive.zip>

Layout, in directory order: the folder "描写素材/", then each of its 19
topic folders followed by that topic's texts (600 in all, every third one
stored, the others deflated), then three list files and the data-base pair
".EDT" / ".edb". Names and texts are in code page 936. The texts are put
together from phrase tables by a seeded generator, so every build makes the
same bytes. The data base is sized so the archive has exactly
ARCHIVE_LENGTH bytes, which keeps the installer's disk-space figure.
"""

import struct
import sys
import zlib

from zip_writer import DEFLATED, STORED, Stream, ZipWriter, filler

ROOT = "描写素材/"
ARCHIVE_LENGTH = 8445631
TEXT_COUNT = 600
MIB = 1024 * 1024

# topic, the things it describes, what is said of them
TOPICS = [
    ("人物描写", ["老教师", "小姑娘", "退伍老兵", "年轻的医生", "邻家大婶", "卖花的老人", "少年", "渔夫"],
     ["眉宇间透着一股倔强", "说起话来不紧不慢", "脸上总挂着和善的笑", "一双手粗糙得像老树皮",
      "走路时腰板挺得笔直", "眼睛里闪着明亮的光", "鬓角已经染上了霜色", "衣着朴素却干干净净"]),
    ("外貌描写", ["她的脸庞", "他的眼睛", "那双手", "少女的长发", "老人的额头", "孩子的脸蛋", "他的眉毛", "她的嘴角"],
     ["白里透红，像熟透的苹果", "乌黑发亮，像一泓深潭", "布满了深深浅浅的皱纹", "微微上扬，带着几分俏皮",
      "又浓又黑，像两把小刷子", "瘦削而有力", "被太阳晒成了古铜色", "柔顺得像一匹黑色的绸缎"]),
    ("心理描写", ["我的心", "他心里", "她的心头", "那一刻，我", "小明心里", "母亲的心", "我暗暗", "他的内心"],
     ["像揣着一只小兔子，怦怦直跳", "像打翻了五味瓶，说不出是什么滋味", "涌起一股暖流", "七上八下，怎么也平静不下来",
      "像压了一块大石头", "乐开了花", "默默下定了决心", "充满了期待与不安"]),
    ("动作描写", ["他", "小伙子", "妹妹", "老爷爷", "运动员", "那只小猫", "同学们", "母亲"],
     ["一个箭步冲了上去", "蹑手蹑脚地走进屋子", "三步并作两步跑上楼梯", "轻轻地把门掩上",
      "猛地一转身", "踮起脚尖向远处张望", "麻利地挽起袖子", "小心翼翼地捧起那只碗"]),
    ("语言描写", ["老师", "爸爸", "他", "奶奶", "班长", "小女孩", "船长", "邻居"],
     ["语重心长地说：“做人要踏踏实实。”", "斩钉截铁地说：“这件事我一定办到！”", "笑眯眯地说：“别急，慢慢来。”",
      "压低了声音说：“小心，别吵醒了它。”", "结结巴巴地说：“我……我不是故意的。”", "大声喊道：“大家加油啊！”",
      "轻声细语地说：“谢谢你陪着我。”", "若有所思地说：“原来是这样。”"]),
    ("神态描写", ["他的脸", "妈妈", "小弟弟", "那个陌生人", "她", "爷爷", "老板", "队长"],
     ["涨得通红", "皱着眉头，一言不发", "撅着小嘴，一脸委屈", "神色慌张，东张西望",
      "眉开眼笑，喜上眉梢", "目光炯炯，神情专注", "满脸堆笑，连连点头", "面不改色，镇定自若"]),
    ("环境描写", ["小巷里", "教室里", "古镇上", "车站里", "院子里", "书房中", "集市上", "码头边"],
     ["静悄悄的，只听得见钟表的嘀嗒声", "人声鼎沸，热闹非凡", "青石板路被雨水洗得发亮", "弥漫着淡淡的墨香",
      "堆满了南来北往的货物", "灯火通明，人来人往", "几棵老槐树投下斑驳的树影", "飘来阵阵饭菜的香味"]),
    ("景物描写", ["远处的山", "湖面", "天边的晚霞", "那片竹林", "田野", "月光", "山间的云雾", "小溪"],
     ["连绵起伏，像一条巨龙", "平静得像一面镜子", "红得像燃烧的火焰", "郁郁葱葱，随风沙沙作响",
      "一望无际，金黄一片", "如流水一般静静地泻下", "缭绕不散，如同仙境", "叮叮咚咚地唱着欢快的歌"]),
    ("季节描写", ["春天", "初夏", "深秋", "寒冬", "早春的风", "盛夏的午后", "秋天的果园", "冬日的清晨"],
     ["迈着轻盈的脚步来到人间", "知了在树上不停地叫着", "落叶像一只只蝴蝶翩翩起舞", "大地披上了洁白的银装",
      "吹在脸上暖洋洋的", "热得连狗都趴在树荫下吐舌头", "挂满了沉甸甸的果实", "呵出的气变成了一团白雾"]),
    ("天气描写", ["雨点", "狂风", "雪花", "雷声", "晨雾", "阳光", "乌云", "彩虹"],
     ["噼里啪啦地打在窗户上", "呼啸着卷起满地的尘土", "纷纷扬扬地飘落下来", "轰隆隆地滚过天际",
      "像一层薄纱笼罩着村庄", "透过树叶洒下点点金光", "黑压压地压在城市上空", "像一座七彩的桥挂在天边"]),
    ("场面描写", ["运动会上", "联欢会上", "菜市场里", "赛龙舟时", "开学第一天", "庙会上", "拔河比赛中", "毕业典礼上"],
     ["锣鼓喧天，彩旗飘飘", "欢声笑语此起彼伏", "吆喝声、讨价还价声响成一片", "队员们奋力划桨，浪花四溅",
      "校园里到处是熟悉又陌生的面孔", "舞狮的、卖糖人的挤得水泄不通", "双方咬紧牙关，绳子绷得紧紧的", "同学们依依不舍地拥抱告别"]),
    ("细节描写", ["桌上的旧台灯", "那封泛黄的信", "父亲的旧皮鞋", "窗台上的茶杯", "奶奶的老花镜", "墙角的蛛网", "书页的折角", "门上的春联"],
     ["灯罩上落了薄薄一层灰", "字迹已经有些模糊了", "鞋跟磨得歪向一边", "杯沿留着一圈淡淡的茶渍",
      "镜腿用细线缠了又缠", "在风中轻轻颤动", "被摩挲得起了毛边", "红纸已经褪成了浅粉色"]),
    ("城市风貌", ["高楼大厦", "街道两旁", "夜晚的城市", "立交桥上", "广场上", "地铁站里", "老城区", "江边的步道"],
     ["鳞次栉比，直插云霄", "绿树成荫，店铺林立", "霓虹闪烁，宛如白昼", "车流如织，川流不息",
      "喷泉随着音乐翩翩起舞", "人们行色匆匆", "保留着青砖灰瓦的旧模样", "晚风习习，散步的人络绎不绝"]),
    ("乡村田园", ["村口的老槐树", "稻田里", "炊烟", "池塘边", "菜园中", "打谷场上", "山坡上", "农家小院"],
     ["见证了村子几十年的变迁", "蛙声一片，稻花飘香", "袅袅升起，融进了暮色", "几只鸭子悠闲地游来游去",
      "黄瓜、豆角挂满了架子", "金灿灿的稻谷堆成了小山", "羊群像一朵朵白云在移动", "鸡鸣狗吠，充满了生活气息"]),
    ("山川河流", ["黄河", "峡谷", "瀑布", "高原", "江水", "山峰", "溪涧", "大海"],
     ["奔腾咆哮，一泻千里", "两岸峭壁对峙，险峻异常", "飞流直下，溅起万点银珠", "辽阔苍茫，天高云淡",
      "浩浩荡荡，向东流去", "巍峨挺拔，直入云霄", "清澈见底，游鱼可数", "波涛汹涌，一浪高过一浪"]),
    ("花草树木", ["桃花", "荷叶", "菊花", "梅花", "小草", "白杨树", "柳条", "桂花"],
     ["开得正艳，像一片粉色的云霞", "挨挨挤挤，像一个个碧绿的大圆盘", "千姿百态，傲然开放", "在风雪中凌寒独自开",
      "偷偷地从土里钻出来", "笔直地站立着，像哨兵", "随风飘拂，像少女的长发", "香飘十里，沁人心脾"]),
    ("动物描写", ["小松鼠", "老黄牛", "那只花猫", "燕子", "金鱼", "小狗", "白鹅", "蝴蝶"],
     ["拖着毛茸茸的大尾巴", "不紧不慢地嚼着青草", "蜷成一团，晒着太阳", "斜着身子掠过水面",
      "摆动着轻纱似的尾巴", "摇着尾巴围着我转", "昂首挺胸，步态从容", "在花丛中翩翩起舞"]),
    ("声音描写", ["琴声", "风声", "读书声", "汽笛声", "鸟鸣", "雨声", "脚步声", "笑声"],
     ["如泣如诉，扣人心弦", "呜呜地像在哭诉", "琅琅入耳，回荡在校园", "划破了夜的寂静",
      "清脆悦耳，此起彼伏", "滴滴答答，像一首催眠曲", "由远及近，越来越响", "像银铃一样清脆"]),
    ("色彩描写", ["天空", "枫叶", "大海", "麦田", "晚霞", "雪原", "新芽", "灯笼"],
     ["蓝得像一块透明的宝石", "红得像一团团火", "深蓝中泛着点点银光", "金黄一片，耀眼夺目",
      "由金红渐渐变成了紫灰", "白茫茫一片，一尘不染", "嫩绿嫩绿的，惹人怜爱", "红彤彤的，映得人脸发亮"]),
]

TIMES = ["清晨", "傍晚", "午后", "夜深人静时", "雨过天晴后", "不知不觉间", "转眼间", "那一年", "每当这时", "天刚蒙蒙亮"]
SIMILES = ["一幅淡雅的水墨画", "一首动人的小诗", "一支悠扬的乐曲", "一个甜美的梦", "一位慈祥的长者",
           "一面明亮的镜子", "一团跳动的火焰", "一缕温暖的阳光", "一条流淌的小河", "一阵轻柔的春风"]
WORDS = ["栩栩如生", "惟妙惟肖", "五彩缤纷", "波光粼粼", "郁郁葱葱", "络绎不绝", "兴高采烈", "心旷神怡",
         "焕然一新", "川流不息", "蔚然成风", "意味深长", "目不转睛", "全神贯注", "春意盎然", "秋高气爽",
         "银装素裹", "花团锦簇", "鸟语花香", "万籁俱寂", "喜出望外", "若有所思", "悠然自得", "一丝不苟"]
EXCLAIMS = ["真叫人难忘", "美得让人陶醉", "令人回味无穷", "别有一番情趣", "让人久久不能忘怀", "真是妙不可言"]
TEMPLATES = [
    "{s}{p}，{p2}。",
    "只见{s}{p}，仿佛{m}。",
    "{t}，{s}{p}。",
    "远远望去，{s}{p}，{p2}。",
    "{t}，我看见{s}{p}，心里不禁想起了{m}。",
    "{s}{p}，{e}。",
]


def sentence(rng, topic):
    _name, subjects, phrases = topic
    first = rng.below(len(phrases))
    second = (first + 1 + rng.below(len(phrases) - 1)) % len(phrases)
    return rng.pick(TEMPLATES).format(
        s=rng.pick(subjects), p=phrases[first], p2=phrases[second],
        m=rng.pick(SIMILES), t=rng.pick(TIMES), e=rng.pick(EXCLAIMS))


def text_body(rng, topic, number):
    name = topic[0]
    lines = ["标题：%s素材（第%03d篇）" % (name, number), "分类：%s" % name, "", "【好词】"]
    lines.append("、".join(rng.pick(WORDS) for _ in range(8)))
    lines += ["", "【好句】"]
    lines += ["%d. %s" % (i + 1, sentence(rng, topic)) for i in range(6 + rng.below(6))]
    lines += ["", "【片段】"]
    for _ in range(3 + rng.below(8)):
        lines.append("    " + "".join(sentence(rng, topic) for _ in range(4 + rng.below(6))))
    lines += ["", "（本素材供写作练习参考）"]
    return ("\r\n".join(lines) + "\r\n").encode("gbk")


def topic_texts():
    """(topic, [(file name, bytes)]) for every topic, 600 texts in all."""
    rng = Stream(0x51A11F)
    per_topic, extra = divmod(TEXT_COUNT, len(TOPICS))
    result = []
    for index, topic in enumerate(TOPICS):
        count = per_topic + (1 if index < extra else 0)
        texts = [("%s%03d.txt" % (topic[0], n), text_body(rng, topic, n)) for n in range(1, count + 1)]
        result.append((topic, texts))
    return result


def list_files(groups):
    folders = "\r\n".join(topic[0] for topic, _texts in groups) + "\r\n"
    files = "\r\n".join("%s\\%s" % (topic[0], name) for topic, texts in groups for name, _ in texts) + "\r\n"
    words = "\r\n".join(WORDS) + "\r\n"
    return [("素材分类.lst", folders.encode("gbk")), ("素材目录.lst", files.encode("gbk")),
            ("好词好句.lst", words.encode("gbk"))]


def database_index(groups):
    """The .EDT index: one line per text, id, topic, file, length, CRC."""
    lines = ["EDT1\t%d" % TEXT_COUNT]
    number = 0
    for topic, texts in groups:
        for name, data in texts:
            number += 1
            lines.append("%d\t%s\t%s\t%d\t%08X" % (number, topic[0], name, len(data), zlib.crc32(data)))
    return ("\r\n".join(lines) + "\r\n").encode("gbk")


def database_records(groups, length):
    """The .edb data base: a header, one fixed record per text, then its
    (reproducible) record pages up to the wanted length."""
    header = b"EDB1" + struct.pack("<II", TEXT_COUNT, 128)
    records = bytearray(header)
    for topic, texts in groups:
        for name, data in texts:
            key = (topic[0] + "\\" + name).encode("gbk")[:120]
            records += struct.pack("<I", zlib.crc32(data)) + key.ljust(124, b"\0")
    if length < len(records):
        raise SystemExit("materials archive too small for its data base")
    return bytes(records) + filler("materials data base", length - len(records))


def name(path):
    return (ROOT + path).encode("gbk")


def main(output, program_archive):
    groups = topic_texts()
    archive = ZipWriter()
    archive.add_folder(ROOT.encode("gbk"))
    serial = 0
    for topic, texts in groups:
        archive.add_folder(name(topic[0] + "/"))
        for file_name, data in texts:
            serial += 1
            archive.add_file(name(topic[0] + "/" + file_name), data, STORED if serial % 3 == 0 else DEFLATED)
    for file_name, data in list_files(groups):
        archive.add_file(name(file_name), data, DEFLATED)
    archive.add_file(name("素材库.EDT"), database_index(groups), DEFLATED)

    # The data base comes last and is stored; its length sets the archive's.
    database_name = name("素材库.edb")
    free = ARCHIVE_LENGTH - archive.size() - (30 + 46 + 2 * len(database_name))
    archive.add_file(database_name, database_records(groups, free), STORED)

    if archive.entry_count() != 625 or archive.size() != ARCHIVE_LENGTH:
        raise SystemExit("materials archive: %d entries, %d bytes" % (archive.entry_count(), archive.size()))
    with open(program_archive, "rb") as program:
        together = len(program.read()) + ARCHIVE_LENGTH
    if not 11 * MIB < together < 12 * MIB:
        raise SystemExit("the two archives hold %d bytes, outside 11..12 MiB" % together)
    archive.write(output)


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2])
