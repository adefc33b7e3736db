#include "remote/MachineList.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/CallLog.h"

using ::testing::ElementsAreArray;

namespace {

std::vector<std::wstring> Names(const remote::MachineList& list) {
  std::vector<std::wstring> names;
  for (const auto& machine : list.machines)
    names.push_back(machine.target.empty() ? L"<local>" : machine.target);
  return names;
}

TEST(MachineList, WhatABoxTextNames) {
  struct Case {
    std::wstring typed;
    bool isList;
    std::vector<std::wstring> machines;
  };
  const Case cases[] = {
      {L"srv1", false, {L"srv1"}},
      {L"srv1,srv2", true, {L"srv1", L"srv2"}},
      {L" srv1 ;\tsrv2\u3000, srv3", true, {L"srv1", L"srv2", L"srv3"}},
      {L"\\\\srv1, \\\\ srv2, \\\\\\\\srv3", true, {L"srv1", L"srv2", L"srv3"}},
      {L"srv1,,;, srv2,", true, {L"srv1", L"srv2"}},
      // Windows compares computer names without regard to case: the first
      // spelling stands for the machine.
      {L"Srv1, SRV1, srv1, ｓｒｖ２, ＳＲＶ２, Élan, éLAN", true, {L"Srv1", L"ｓｒｖ２", L"Élan"}},
      {L"ローカルマシン, srv1, ローカルマシン", true, {L"<local>", L"srv1"}},
      {L"srv#1, srv2", true, {L"srv#1", L"srv2"}},  // no comments in the box
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing_support::Utf8(c.typed));
    EXPECT_EQ(remote::NamesAList(c.typed), c.isList);
    const remote::MachineList list = remote::ReadMachineList(c.typed, false);
    EXPECT_EQ(list.problem, remote::ListProblem::None);
    EXPECT_THAT(Names(list), ElementsAreArray(c.machines));
  }
  EXPECT_EQ(remote::ReadMachineList(L" , ;\t", false).problem, remote::ListProblem::NoMachine);
  EXPECT_EQ(remote::JoinedNames(remote::ReadMachineList(L"srv1;ローカルマシン,\\\\srv2", false).machines),
            L"srv1, ローカルマシン, srv2");
}

TEST(MachineList, AFileOfNamesWithCommentsAndBlankLines) {
  EXPECT_EQ(remote::ListFilePath(L"  @ C:\\rooms\\lab a.txt "), L"C:\\rooms\\lab a.txt");
  EXPECT_EQ(remote::ListFilePath(L"srv@1"), std::nullopt);
  EXPECT_TRUE(remote::NamesAList(L"@lab.txt"));
  const remote::MachineList list = remote::ReadMachineList(
      L"# 3F lab\r\n\r\npc-01, pc-02 # by the door\r\n   \r\npc-03;pc-04\tpc-05\r\n#pc-06\r\nPC-01\r\npc-07",
      true);
  EXPECT_THAT(Names(list), ElementsAreArray({L"pc-01", L"pc-02", L"pc-03", L"pc-04", L"pc-05", L"pc-07"}));
  EXPECT_EQ(remote::ReadMachineList(L"# nothing here\r\n\r\n", true).problem, remote::ListProblem::NoMachine);
}

TEST(MachineList, AtMostTenThousandMachines) {
  std::wstring text;
  for (int i = 0; i < 10000; ++i) text += L"pc" + std::to_wstring(i) + L"\n";
  EXPECT_EQ(remote::ReadMachineList(text, true).machines.size(), 10000u);
  EXPECT_EQ(remote::ReadMachineList(text + L"PC0\n", true).machines.size(), 10000u)
      << "a repeat is no new machine";
  const remote::MachineList over = remote::ReadMachineList(text + L"pc10000", true);
  EXPECT_EQ(over.problem, remote::ListProblem::TooManyMachines);
  EXPECT_TRUE(over.machines.empty());
}

TEST(MachineList, EachEncodingOfAListFile) {
  // "pc1,端末" in each encoding a file may come in.
  const std::wstring expected = L"pc1,端末";
  // The code page stands in as one character a byte.
  const auto ansi = [](std::string_view bytes) {
    std::wstring text = L"ansi:";
    for (const char byte : bytes) text += static_cast<wchar_t>(static_cast<unsigned char>(byte));
    return text;
  };
  struct Case {
    std::string bytes;
    std::wstring text;
  };
  const Case cases[] = {
      {"pc1,\xE7\xAB\xAF\xE6\x9C\xAB", expected},              // UTF-8
      {"\xEF\xBB\xBFpc1,\xE7\xAB\xAF\xE6\x9C\xAB", expected},  // UTF-8 with its mark
      {std::string("\xFF\xFEp\0c\0"
                   "1\0,\0\xEF\x7A\x2B\x67",
                   14),
       expected},  // UTF-16 LE
      {std::string("\xFF\xFEp\0c\0"
                   "1\0,\0\xEF\x7A\x2B\x67\x0A",
                   15),
       expected},                                                   // a stray last byte
      {std::string("\xFF\xFE\x3D\xD8\x00\xDE", 6), L"\U0001F600"},  // a surrogate pair
      {"pc1,\x92\x5B\x96\x96", L"ansi:pc1,\x92\x5B\x96\x96"},       // Shift_JIS: the code page's
      {"\xC0\xAF", L"ansi:\xC0\xAF"},                               // overlong: not UTF-8
      {"\xED\xA0\x80", L"ansi:\xED\xA0\x80"},                       // a surrogate: not UTF-8
      {"", L""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::PrintToString(c.bytes));
    EXPECT_EQ(remote::DecodeListFile(c.bytes, ansi), c.text);
  }
}

}  // namespace
