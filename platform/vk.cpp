#include "platform/vk.h"

#include <array>
#include <string>
#include <utility>

namespace vk {

std::optional<int> FromName(std::string_view name) {
  static constexpr std::array<std::pair<std::string_view, int>, 48> kNamed = {{
      {"LBUTTON", LBUTTON}, {"RBUTTON", RBUTTON}, {"MBUTTON", MBUTTON}, {"BACK", BACK},
      {"TAB", TAB}, {"RETURN", RETURN}, {"SHIFT", SHIFT}, {"CONTROL", CONTROL},
      {"MENU", MENU}, {"PAUSE", PAUSE}, {"CAPITAL", CAPITAL}, {"ESCAPE", ESCAPE},
      {"SPACE", SPACE}, {"PRIOR", PRIOR}, {"NEXT", NEXT}, {"END", END},
      {"HOME", HOME}, {"LEFT", LEFT}, {"UP", UP}, {"RIGHT", RIGHT},
      {"DOWN", DOWN}, {"SNAPSHOT", SNAPSHOT}, {"INSERT", INSERT}, {"DELETE", DELETE_},
      {"MULTIPLY", MULTIPLY}, {"ADD", ADD}, {"SEPARATOR", SEPARATOR}, {"SUBTRACT", SUBTRACT},
      {"DECIMAL", DECIMAL}, {"DIVIDE", DIVIDE}, {"NUMLOCK", NUMLOCK}, {"SCROLL", SCROLL},
      {"LSHIFT", LSHIFT}, {"RSHIFT", RSHIFT}, {"LCONTROL", LCONTROL}, {"RCONTROL", RCONTROL},
      {"LMENU", LMENU}, {"RMENU", RMENU}, {"OEM_1", OEM_1}, {"OEM_PLUS", OEM_PLUS},
      {"OEM_COMMA", OEM_COMMA}, {"OEM_MINUS", OEM_MINUS}, {"OEM_PERIOD", OEM_PERIOD}, {"OEM_2", OEM_2},
      {"OEM_3", OEM_3}, {"OEM_4", OEM_4}, {"OEM_5", OEM_5}, {"OEM_6", OEM_6},
  }};
  for (const auto& [n, code] : kNamed)
    if (n == name) return code;
  if (name == "OEM_7") return OEM_7;
  if (name == "OEM_8") return OEM_8;
  if (name == "OEM_102") return OEM_102;
  if (name.size() == 1 && name[0] >= '0' && name[0] <= '9') return KEY_0 + (name[0] - '0');
  if (name.size() == 1 && name[0] >= 'A' && name[0] <= 'Z') return KEY_A + (name[0] - 'A');
  if (name.size() == 7 && name.substr(0, 6) == "NUMPAD" && name[6] >= '0' && name[6] <= '9')
    return NUMPAD0 + (name[6] - '0');
  if (name.size() >= 2 && name.size() <= 3 && name[0] == 'F' && name[1] != '0') {
    int n = 0;
    for (char c : name.substr(1)) {
      if (c < '0' || c > '9') return std::nullopt;
      n = n * 10 + (c - '0');
    }
    if (n >= 1 && n <= 12) return F1 + n - 1;
  }
  return std::nullopt;
}

}  // namespace vk
