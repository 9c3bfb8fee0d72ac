#include "record/Bundle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "BundleBuilder.h"
#include "TempFolder.h"
#include "base/Errors.h"
#include "base/TextFile.h"
#include "wave/KnetRecordLoad.h"

namespace tremora {
namespace {

using testing::EventBundle;
using testing::Gzip;
using testing::Pack;
using testing::Packing;
using testing::SampleMembers;
using testing::TempFolder;

const std::string kRecords = TREMORA_RECORDS_DIR;

// Loads the record a file names as the main window does; the samples of every channel.
std::unique_ptr<RecordSet> Load(const std::string& path) {
  auto record = std::make_unique<RecordSet>();
  LoadKnetRecordCore(*record, LoadStationTables(TREMORA_DATA_DIR).tables, path, true, true);
  return record;
}

void ExpectSameRecord(const std::string& from_bundle, const std::string& from_disk) {
  const auto a = Load(from_bundle);
  const auto b = Load(from_disk);
  ASSERT_EQ(a->SampleCount, b->SampleCount);
  EXPECT_EQ(a->RecordBaseName, b->RecordBaseName);
  EXPECT_EQ(a->ComponentNames, b->ComponentNames);
  EXPECT_EQ(a->CurrentStation.Name, b->CurrentStation.Name);
  for (int ch = 0; ch < kMaxChannels; ++ch) EXPECT_EQ(a->Acceleration[ch], b->Acceleration[ch]) << ch;
}

TEST(Bundle, EventTarWithNestedNetworkArchivesListsAndLoadsEveryRecordAsTheFilesDo) {
  TempFolder work("bundle");
  const std::string path = work.Write("20180124195100.tar", EventBundle());
  PrivateFolder scratch;
  const Bundle bundle = OpenBundle(path, scratch.NewSubfolder());

  ASSERT_EQ(bundle.records.size(), 3u);
  const BundleRecord& knet = bundle.records[0];
  EXPECT_EQ(knet.base, "AOM0011801241951");
  EXPECT_FALSE(knet.kiknet());
  EXPECT_EQ(knet.members[1], "20180124195100.knt.tar.gz/AOM0011801241951.EW");
  EXPECT_EQ(knet.header.StationCode, "AOM001");
  EXPECT_EQ(knet.header_problem, "");
  EXPECT_EQ(bundle.records[1].sensor, "1");
  EXPECT_EQ(bundle.records[2].sensor, "2");
  EXPECT_EQ(bundle.records[2].FirstMember(), "20180124195100.kik.tar.gz/NGNH311106302345.NS2");
  EXPECT_NEAR(EpicentralDistanceKm(bundle.records[2].header), 10.5, 0.1);
  EXPECT_EQ(bundle.Shown("cannot read " + knet.files[2] + "!"),
            "cannot read " + path + ":20180124195100.knt.tar.gz/AOM0011801241951.UD!");

  ExpectSameRecord(knet.FirstFile(), kRecords + "/AOM0011801241951.NS");
  ExpectSameRecord(bundle.records[1].FirstFile(), kRecords + "/NGNH311106302345.NS1");
  ExpectSameRecord(bundle.records[2].FirstFile(), kRecords + "/NGNH311106302345.NS2");
}

TEST(Bundle, FlatTarGzWithCompressedAndLowerCaseMembersInFolders) {
  TempFolder work("bundle");
  testing::Members members = SampleMembers({"AOM0011801241951.EW", "AOM0011801241951.UD"}, "event/");
  members.emplace_back("event/AOM0011801241951.ns.gz",
                       Gzip(testing::ReadFileBytes(kRecords + "/AOM0011801241951.NS")));
  members.emplace_back("event/README.txt", "not a record");
  members.emplace_back("event/AOM0011801241951.NS.bak", "not a record either");
  const std::string path = work.Write("event.tgz", Pack(members, Packing::TarGz));
  PrivateFolder scratch;
  const Bundle bundle = OpenBundle(path, scratch.NewSubfolder());

  ASSERT_EQ(bundle.records.size(), 1u);
  EXPECT_EQ(bundle.records[0].FirstMember(), "event/AOM0011801241951.ns.gz");
  EXPECT_EQ(FileNameOf(bundle.records[0].FirstFile()), "AOM0011801241951.ns");
  ExpectSameRecord(bundle.records[0].FirstFile(), kRecords + "/AOM0011801241951.NS");
}

TEST(Bundle, BadBundlesAreRefusedNamingBundleAndMemberAndWriteNothingOutside) {
  TempFolder work("bundle");
  const std::string event = EventBundle();
  const auto refusal = [&](const std::string& name, const std::string& content) {
    const std::string path = work.Write(name, content);
    PrivateFolder scratch;
    try {
      OpenBundle(path, scratch.NewSubfolder());
    } catch (const BundleError& error) {
      return std::string(error.what());
    }
    return std::string("accepted");
  };

  const std::string truncated = refusal("cut.tar", event.substr(0, event.size() / 2));
  EXPECT_NE(truncated.find("cut.tar: "), std::string::npos) << truncated;
  EXPECT_NE(truncated.find("20180124195100.kik.tar.gz"), std::string::npos) << truncated;
  EXPECT_NE(truncated.find("truncated"), std::string::npos) << truncated;

  EXPECT_NE(refusal("text.tar", "hello\n").find("text.tar: cannot be read as an archive"), std::string::npos);

  const std::string escape = Pack({{"../x.NS", "escape"}, {"sub/../../y.NS", "escape"}}, Packing::Tar);
  EXPECT_NE(refusal("escape.tar", escape).find("member ../x.NS: its path would leave the bundle's folder"),
            std::string::npos);
  EXPECT_NE(refusal("absolute.tar", Pack({{"/tmp/z.NS", "x"}}, Packing::Tar)).find("member /tmp/z.NS"),
            std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(work.path().parent_path() / "x.NS"));

  const std::string big(kMaxBundleMemberBytes + 1, '0');
  EXPECT_NE(refusal("big.tar", Pack({{"B.NS", big}}, Packing::Tar)).find("member B.NS: 16777217 bytes"),
            std::string::npos);
  // A small compressed member that would inflate past the limit is stopped while it is read.
  EXPECT_NE(refusal("bomb.tar", Pack({{"B.NS.gz", Gzip(big)}}, Packing::Tar)).find("member B.NS.gz: "),
            std::string::npos);
}

TEST(Bundle, NamesAndPrivateFolder) {
  EXPECT_TRUE(IsBundleName("/x.y/20180124195100.TAR"));
  EXPECT_TRUE(IsBundleName("a.knt.tar.gz"));
  EXPECT_TRUE(IsBundleName("a.tgz"));
  EXPECT_FALSE(IsBundleName("a.tar/AOM0011801241951.NS"));
  EXPECT_FALSE(IsBundleName("a.gz"));

  std::string kept;
  {
    PrivateFolder folder;
    kept = folder.NewSubfolder();
    EXPECT_EQ(std::filesystem::status(folder.path()).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_all);
  }
  EXPECT_FALSE(std::filesystem::exists(kept));
}

}  // namespace
}  // namespace tremora
