#include "core/app/engineer_captions.h"

#include <array>
#include <utility>

namespace orvane::app {

namespace {

using Row = std::pair<std::string_view, std::string_view>;

// Rows 0..96 and 127; the numbered runs (40..46, 79..85, 97..126, 128..137)
// are made below.
constexpr std::array<Row, 40> kFirstRows = {{
    {"Office Mode", "办公模式"},
    {"Gaming Mode", "游戏模式"},
    {"Advanced", "高级设置"},
    {"Breathing Light", "呼吸灯"},
    {"Macro", "宏"},
    {"Engineer Mode", "工程模式"},
    {"Load", "载入"},
    {"Save", "保存"},
    {"Test Keys Position", "测试按键位置"},
    {"Default", "恢复默认"},
    {"Apply", "应用"},
    {"Import Base Macro", "导入基础宏"},
    {"Import Fire Macro", "导入压枪宏"},
    {"Operation", "操作"},
    {"Engineer", "工程人员界面"},
    {"LED Type", "灯效类型"},
    {"MCU LED", "流光灯"},
    {"RB LED", "红蓝双色灯"},
    {"Sync LED", "七彩同步灯"},
    {"Breath LED", "七彩呼吸灯"},
    {"LED Status", "灯光状态"},
    {"On", "开"},
    {"Off", "关"},
    {"LED Switch(M+CPI)", "灯光开关(中键+CPI)"},
    {"Fire Function", "压枪功能"},
    {"Fn+Left Key", "Fn+左键"},
    {"Left Key", "左键"},
    {"Fire Mode", "连发模式"},
    {"Fire Count:", "连发次数:"},
    {"Fire Time:", "连发间隔:"},
    {"LED Mode(L+CPI)", "灯效切换(左键+CPI)"},
    {"MCU LED Ligth Mode", "流光灯亮度"},
    {"All Ligth", "全亮"},
    {"Half Ligth", "半亮"},
    {"MCU LED CPI Color Setting", "流光灯CPI颜色设置"},
    {"Vendor ID:", "厂商ID:"},
    {"Product ID:", "产品ID:"},
    {"MCU LED Setting", "流光灯设置"},
    {"LED Number:", "灯数量:"},
    {"Current Mode:", "当前模式:"},
}};

constexpr std::array<Row, 32> kMiddleRows = {{
    {"LED Step:", "灯速:"},
    {"RB LED Mode", "双色灯模式"},
    {"Current Mode:", "当前模式:"},
    {"Colors Breath Fast", "变色呼吸 快"},
    {"Colors Breath Middle", "变色呼吸 中"},
    {"Colors Breath Slow", "变色呼吸 慢"},
    {"CPI Breath Fast", "CPI颜色呼吸 快"},
    {"CPI Breath Middle", "CPI颜色呼吸 中"},
    {"CPI Breath Slow", "CPI颜色呼吸 慢"},
    {"OFF", "关闭"},
    {"Switch Key Mode", "切换按键模式"},
    {"Press Middle Key", "长按中键"},
    {"Press CPI Key", "长按CPI键"},
    {"Press Gun Key", "长按枪键"},
    {"Is Save Key Mode", "保存按键模式"},
    {"Save", "保存"},
    {"No Save", "不保存"},
    {"Sensor Ori:", "传感器方向:"},
    {"0°", "0°"},
    {"90°", "90°"},
    {"180°", "180°"},
    {"270°", "270°"},
    {"X Reverse", "X反向"},
    {"Y Reverse", "Y反向"},
    {"XY Swap XY Reverse", "XY交换 XY反向"},
    {"XY Swap XY NoReverse", "XY交换 XY不反向"},
    {"Keys Number", "按键数量"},
    {"6-Keys", "6键"},
    {"9-Keys", "9键"},
    {"CPI", "CPI"},
    {"CPI Steps:", "CPI档数:"},
    {"Current CPI:", "当前CPI:"},
}};

constexpr std::array<Row, 11> kLaterRows = {{
    {"AIM Key:", "瞄准键:"},
    {"Key Mode:", "按键模式:"},
    {"Key Mode1", "按键模式1"},
    {"Key Mode2", "按键模式2"},
    {"Gun Parameter Setting", "枪械参数设置"},
    {"Gun Start Index:", "起始枪号:"},
    {"Gun Stop Index:", "结束枪号:"},
    {"Add Gun", "新增枪键"},
    {"Delect Gun", "删除枪键"},
    {"MCU LED Mode Select", "流光灯模式选择"},
    {"Fire Macro Color Setting", "压枪宏颜色设置"},
}};

std::string Numbered(bool chinese, std::string_view english, std::string_view hanzi, int n,
                     std::string_view suffix) {
  return std::string(chinese ? hanzi : english) + std::to_string(n) + std::string(suffix);
}

std::string Pick(const Row& row, bool chinese) {
  return std::string(chinese ? row.second : row.first);
}

}  // namespace

std::string EngineerCaption(int row, bool chinese) {
  if (row < 0 || row >= kEngineerCaptionRows) return {};
  if (row < 40) return Pick(kFirstRows[row], chinese);
  if (row <= 46) return Numbered(chinese, "Mode ", "模式", row - 39, "");
  if (row <= 78) return Pick(kMiddleRows[row - 47], chinese);
  if (row <= 85) return Numbered(chinese, "CPI ", "CPI ", row - 78, ":");
  if (row <= 96) return Pick(kLaterRows[row - 86], chinese);
  if (row <= 126) {
    static constexpr std::string_view kColours[3] = {" R:", " G:", " B:"};
    return Numbered(chinese, "Macro", "宏", (row - 97) / 3 + 1, kColours[(row - 97) % 3]);
  }
  if (row == 127) return chinese ? "压枪宏Y轴偏移" : "Fire Macro Y Offset";
  if (row <= 137)
    return Numbered(chinese, "Macro", "宏", row - 127, chinese ? " Y轴偏移:" : " Y Offset:");
  return chinese ? "注释: " : "Notes: ";
}

bool ChineseEngineerCaptions(std::string_view locale_name) {
  return locale_name.rfind("zh_CN", 0) == 0;
}

bool ChineseEngineerCaptions(int windows_locale_id) { return windows_locale_id == 2052; }

}  // namespace orvane::app
