#include "portio.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velmora::portio {
namespace {

namespace fs = std::filesystem;

class PortWriterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "portio-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  // Direct port I/O stays off: a test must never touch real hardware.
  PortWriterOptions Options() {
    PortWriterOptions options;
    options.deviceDirectory = dir_.string();
    options.allowDirectIo = false;
    options.warn = [this](const std::string& line) { warnings_.push_back(line); };
    return options;
  }

  fs::path dir_;
  std::vector<std::string> warnings_;
};

TEST_F(PortWriterTest, MissingDeviceDropsBytesAndSaysWhyOncePerPort) {
  PortWriter writer(Options());
  for (int i = 0; i < 50; ++i)
    writer.Write(888, static_cast<uint8_t>(i));
  EXPECT_EQ(writer.RouteOf(888), "dropped");
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_NE(warnings_[0].find("888"), std::string::npos) << warnings_[0];
  EXPECT_NE(warnings_[0].find((dir_ / "parport0").string()), std::string::npos) << warnings_[0];
  EXPECT_NE(warnings_[0].find("No such file"), std::string::npos) << warnings_[0];

  writer.Write(956, 1);
  writer.Write(956, 2);
  ASSERT_EQ(warnings_.size(), 2u);
  EXPECT_NE(warnings_[1].find("parport2"), std::string::npos) << warnings_[1];
  EXPECT_EQ(writer.RouteOf(632), "unknown");
}

TEST_F(PortWriterTest, FileThatIsNoParallelPortIsRefused) {
  std::ofstream(dir_ / "parport1") << "not a device";
  PortWriter writer(Options());
  writer.Write(632, 0xFF);
  EXPECT_EQ(writer.RouteOf(632), "dropped");
  ASSERT_EQ(warnings_.size(), 1u);
  EXPECT_NE(warnings_[0].find("not a parallel port device"), std::string::npos) << warnings_[0];
}

TEST_F(PortWriterTest, UnknownAddressIsNeverWritten) {
  // A race file may hold any address; only the three LPT data registers are
  // ever written, so a stray value cannot reach another device's port.
  PortWriterOptions options = Options();
  options.allowDirectIo = true;
  PortWriter writer(options);
  for (uint16_t address : {0, 889, 0xCF9, 0x3F8, 0xFFFF}) {
    writer.Write(address, 1);
    writer.Write(address, 2);
    EXPECT_EQ(writer.RouteOf(address), "dropped");
  }
  ASSERT_EQ(warnings_.size(), 5u);
  EXPECT_NE(warnings_[2].find("3321"), std::string::npos) << warnings_[2];
}

TEST(PortOut, UnknownAddressGoesToStandardErrorOnce) {
  ::testing::internal::CaptureStderr();
  PortOut(1, 7);
  PortOut(1, 8);
  std::string err = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("I/O address 1 "), std::string::npos) << err;
}

}  // namespace
}  // namespace velmora::portio
