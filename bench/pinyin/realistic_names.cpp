#include "realistic_names.h"

#include <cmath>
#include <cstdint>

namespace namer {

namespace {

// Surnames roughly by how common they are, most common first.
const char* const surnames[] = {
    "王", "李", "张",   "刘",   "陈",   "杨",   "黄",   "赵",   "吴",   "周",   "徐",   "孙", "马", "朱", "胡",
    "郭", "何", "高",   "林",   "罗",   "郑",   "梁",   "谢",   "宋",   "唐",   "许",   "韩", "冯", "邓", "曹",
    "彭", "曾", "肖",   "田",   "董",   "袁",   "潘",   "于",   "蒋",   "蔡",   "余",   "杜", "叶", "程", "苏",
    "魏", "吕", "丁",   "任",   "沈",   "姚",   "卢",   "姜",   "崔",   "钟",   "谭",   "陆", "汪", "范", "金",
    "石", "廖", "贾",   "夏",   "韦",   "付",   "方",   "白",   "邹",   "孟",   "熊",   "秦", "邱", "江", "尹",
    "薛", "闫", "段",   "雷",   "侯",   "龙",   "史",   "陶",   "黎",   "贺",   "顾",   "毛", "郝", "龚", "邵",
    "万", "钱", "严",   "覃",   "武",   "戴",   "莫",   "孔",   "向",   "汤",   "单",   "朴", "仇", "查", "翟",
    "解", "区", "欧阳", "司马", "上官", "诸葛", "东方", "慕容", "令狐", "皇甫", "尉迟",
};

// Characters common in given names, a few of them with several readings (长, 乐, 行, 重, 朝) and one beyond
// GB2312 (珺).
const char* const given[] = {
    "伟", "芳", "娜", "秀", "英", "敏", "静", "丽", "强", "磊", "军", "洋", "勇", "艳", "杰", "娟", "涛", "明",
    "超", "霞", "平", "刚", "桂", "文", "辉", "建", "华", "玲", "红", "鹏", "飞", "宇", "浩", "轩", "子", "涵",
    "梓", "欣", "怡", "雨", "思", "嘉", "俊", "博", "晨", "瑞", "琪", "诗", "佳", "一", "可", "昊", "然", "睿",
    "泽", "宸", "锦", "铭", "雅", "婷", "馨", "悦", "萱", "晴", "颖", "慧", "琳", "璐", "瑶", "彤", "妍", "若",
    "依", "语", "沐", "安", "奕", "晗", "煜", "逸", "凡", "乐", "长", "行", "重", "朝", "和", "志", "国", "海",
    "春", "梅", "兰", "竹", "菊", "松", "云", "龙", "凤", "天", "成", "永", "福", "德", "荣", "贵", "清", "秋",
    "冬", "夏", "玉", "金", "宝", "珠", "翔", "翰", "墨", "书", "诚", "信", "仁", "义", "礼", "智", "江", "河",
    "山", "峰", "林", "森", "岩", "晓", "东", "新", "亮", "光", "阳", "晖", "旭", "朗", "振", "兴", "家", "民",
    "立", "斌", "彬", "卫", "健", "康", "宁", "茂", "盛", "胜", "利", "保", "全", "卿", "蓉", "莉", "莎", "薇",
    "蕾", "菲", "芸", "茜", "倩", "媛", "婕", "姝", "嫣", "珺", "瀚", "烨", "珩", "琛", "皓", "钰", "璇", "楠",
};

// A small deterministic generator (xorshift), so both sides of the benchmark can be given the same names.
class Sequence {
public:
    std::uint64_t next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }
    double unit() { return static_cast<double>(next() >> 11) / 9007199254740992.0; }

private:
    std::uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

template <std::size_t N> const char* pick_uniform(const char* const (&list)[N], Sequence& sequence) {
    return list[sequence.next() % N];
}

// Common surnames more often: the rank falls off like a power law.
template <std::size_t N> const char* pick_by_rank(const char* const (&list)[N], Sequence& sequence) {
    const auto rank = static_cast<std::size_t>(std::pow(sequence.unit(), 2.5) * N);
    return list[rank < N ? rank : N - 1];
}

} // namespace

std::vector<std::string> realistic_names(std::size_t count) {
    Sequence sequence;
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        std::string name = pick_by_rank(surnames, sequence);
        const bool compound = name.size() > 3; // two characters of UTF-8
        name += pick_uniform(given, sequence);
        if (!compound && sequence.next() % 10 < 7) // most names have two given-name characters
            name += pick_uniform(given, sequence);
        names.push_back(std::move(name));
    }
    return names;
}

} // namespace namer
