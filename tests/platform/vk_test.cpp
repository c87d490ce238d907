#include "platform/vk.h"

#include <gtest/gtest.h>

namespace {

TEST(VkFromName, KnowsNamedKeysLettersDigitsAndFunctionKeys) {
  EXPECT_EQ(vk::FromName("LBUTTON"), 0x01);
  EXPECT_EQ(vk::FromName("RBUTTON"), 0x02);
  EXPECT_EQ(vk::FromName("RETURN"), 0x0D);
  EXPECT_EQ(vk::FromName("SNAPSHOT"), 0x2C);
  EXPECT_EQ(vk::FromName("DELETE"), 0x2E);
  EXPECT_EQ(vk::FromName("OEM_PLUS"), 0xBB);
  EXPECT_EQ(vk::FromName("OEM_7"), 0xDE);
  EXPECT_EQ(vk::FromName("OEM_8"), 0xDF);
  EXPECT_EQ(vk::FromName("OEM_102"), 0xE2);
  EXPECT_EQ(vk::FromName("RMENU"), 0xA5);
  EXPECT_EQ(vk::FromName("A"), 0x41);
  EXPECT_EQ(vk::FromName("F"), 0x46);  // the letter, not a function key
  EXPECT_EQ(vk::FromName("Z"), 0x5A);
  EXPECT_EQ(vk::FromName("0"), 0x30);
  EXPECT_EQ(vk::FromName("9"), 0x39);
  EXPECT_EQ(vk::FromName("NUMPAD0"), 0x60);
  EXPECT_EQ(vk::FromName("NUMPAD9"), 0x69);
  EXPECT_EQ(vk::FromName("F1"), 0x70);
  EXPECT_EQ(vk::FromName("F10"), 0x79);
  EXPECT_EQ(vk::FromName("F12"), 0x7B);
}

TEST(VkFromName, RefusesUnknownNames) {
  for (const char* name : {"", "F0", "F01", "F13", "F1x", "F012", "a", "VK_A", "NUMPAD", "NUMPAD10", "AB", "OEM_9",
                           "LBUTTON ", "return"})
    EXPECT_FALSE(vk::FromName(name).has_value()) << '"' << name << '"';
}

}  // namespace
