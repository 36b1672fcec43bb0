// telvane-cli's storage commands, run as the user runs them.
#include <gtest/gtest.h>
#include <stdio.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "storage/db_samples.h"
#include "storage/trace/rfg_file.h"
#include "storage/trace_samples.h"
#include "support/scripted_screen.h"
#include "support/temp_dir.h"

namespace telvane {
namespace {

struct Result {
  int status = -1;
  std::string output;  // stdout and stderr
};

Result Cli(const std::string& arguments) {
  Result result;
  FILE* pipe = popen((std::string(TELVANE_CLI_PATH) + " " + arguments + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return result;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.output.append(buffer, n);
  const int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return result;
}

std::string ReadText(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class StorageCliTest : public ::testing::Test {
 protected:
  testing::TempDir dir_;
};

TEST_F(StorageCliTest, DbCreateCopiesTheTemplateWithEveryTableAndRefusesToOverwrite) {
  const std::string path = dir_.File("new.mdb");
  Result r = Cli("db create " + path);
  EXPECT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(testing::Rows(path,
                          "SELECT name FROM sqlite_master WHERE type='table' AND name "
                          "LIKE 'tbl_%' ORDER BY name"),
            (std::vector<std::string>{"tbl_CableParams", "tbl_CableTypes", "tbl_Frames",
                                      "tbl_PlanMeasures", "tbl_RFGHeaders", "tbl_RFGPoints",
                                      "tbl_ПараметрыКабеля", "tbl_ПараметрыКабеля04"}));
  EXPECT_EQ(testing::Rows(path, "SELECT count(*) FROM tbl_CableParams"),
            std::vector<std::string>{"0"});
  EXPECT_EQ(testing::Rows(path, "SELECT count(*) FROM \"tbl_ПараметрыКабеля\""),
            std::vector<std::string>{"0"});
  const auto before = testing::ReadAll(path);
  r = Cli("db create " + path);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Ошибка создания файла: " + path + "\n");
  EXPECT_EQ(testing::ReadAll(path), before);
}

// The template is found from the program's own place; a program copied where
// no template is beside it says so and makes nothing.
TEST_F(StorageCliTest, DbCreateWithoutATemplateMakesNothing) {
  const std::string program = dir_.File("bin/telvane-cli");
  std::filesystem::create_directories(dir_.File("bin"));
  std::filesystem::copy_file(TELVANE_CLI_PATH, program);
  const std::string path = dir_.File("new.mdb");
  std::string output;
  const std::string command = "'" + program + "' db create '" + path + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  for (int c; (c = fgetc(pipe)) != EOF;) output += static_cast<char>(c);
  const int status = pclose(pipe);
  EXPECT_EQ(WEXITSTATUS(status), 1);
  EXPECT_EQ(output, "Ошибка открытия файла: template.mdb\n");
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(StorageCliTest, TraceConvertShowAndExport) {
  testing::ScriptedScreen screen;
  const std::string rfg = dir_.File("a.rfg");
  ASSERT_TRUE(WriteRfgOlder(screen, rfg, testing::SampleBlock(RecordForm::kCompact),
                            testing::SampleRecord(RecordForm::kCompact)));
  const std::string tdr = dir_.File("a.TDR");
  Result r = Cli("trace convert " + rfg + " " + tdr + " --older");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(testing::ReadAll(tdr).size(), 144u + 128);

  r = Cli("trace show " + rfg + " --older");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.substr(0, r.output.find("samples = ")),
            "name = КАБЕЛЬ 1\ndate = 09.12.2026\nTDRimp = 3\nTDRoffset = 7\nTDRdiap = 1000\n"
            "TDRrast = 4\nTDRmiddl = 16\nTDRdB = 50\nTDRcurs1_M = -5\nTDRcurs2_M = 300\n"
            "TDRvirtZeroX = 1\nTDRvirtMeasX = -2\nTDRactiveCursor = 1\nTDRvirtLeftSide = 10\n"
            "TDRvirtRightSide = 200\nk = 1.5\nsections = 2\n");
  EXPECT_NE(r.output.find("samples = 128\n0\t0\n1\t1\n"), std::string::npos);
  EXPECT_NE(r.output.find("\n127\t63\n"), std::string::npos);

  // The newer page (the default) reads the 1.1 file too and exports 160 lines.
  const std::string csv = dir_.File("a.csv");
  r = Cli("trace export " + rfg + " " + csv);
  ASSERT_EQ(r.status, 0) << r.output;
  const std::string text = ReadText(csv);
  EXPECT_EQ(text.substr(0, 15), "0,0\r\n1,1\r\n2,2\r\n");
  EXPECT_NE(text.find("\r\n63,63\r\n64,0\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n159,0\r\n"), std::string::npos);  // beyond the 1.1 samples
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 160);

  // WV from the older page is refused on the newer one.
  const std::string wv = dir_.File("a.wv");
  ASSERT_EQ(Cli("trace convert " + rfg + " " + wv + " --older").status, 0);
  r = Cli("trace show " + wv);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Ошибка: Неправильный формат файла!\n");
}

// A name read from a file is shown, never acted on by the terminal: control
// characters and the backslash are printed as escapes.
TEST_F(StorageCliTest, TraceShowEscapesControlCharactersOfTheName) {
  testing::ScriptedScreen screen;
  const std::string rfg = dir_.File("c.rfg");
  ReflectogramRecord record = testing::SampleRecord(RecordForm::kCompact);
  record.set_name_bytes(
      "\x1B[2J\x07"
      "A\\\x98\x7F\xC0");
  ASSERT_TRUE(WriteRfgOlder(screen, rfg, testing::SampleBlock(RecordForm::kCompact), record));
  const Result r = Cli("trace show " + rfg + " --older");
  ASSERT_EQ(r.status, 0) << r.output;
  EXPECT_EQ(r.output.substr(0, r.output.find('\n') + 1),
            "name = \\x1B[2J\\x07A\\\\\\u0098\\x7FА\n");
}

TEST_F(StorageCliTest, UnknownExtensionsAndBadOptions) {
  Result r = Cli("trace show " + dir_.File("x.txt"));
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.output, "Неизвестный формат!: " + dir_.File("x.txt") + "\n");
  r = Cli("trace convert a.rfg b.rfg --firmware abc");
  EXPECT_EQ(r.status, 2);
  r = Cli("trace show " + dir_.File("missing.rfg"));
  EXPECT_EQ(r.output, "Ошибка открытия файла: " + dir_.File("missing.rfg") + "\n");
  EXPECT_NE(Cli("--help").output.find("trace convert IN OUT"), std::string::npos);
}

}  // namespace
}  // namespace telvane
