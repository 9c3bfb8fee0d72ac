// Opening a download bundle: the input is the bundle file. Whatever it holds, the unpacker either
// refuses it with its message or lists records whose files all lie inside the private folder and
// none larger than a record file can be; nothing is ever written beside that folder.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "record/Bundle.h"
#include "record/Errors.h"

using namespace tremora;
using tremora::fuzzing::Require;
using tremora::fuzzing::ScratchFolder;

namespace {

// Entries of a folder, without following links.
int EntryCount(const std::string& folder) {
  int count = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder)) ++count;
  return count;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const ScratchFolder scratch;
  static const std::string bundle_path = scratch.File("bundle.tar");
  scratch.Write(bundle_path, std::string_view(reinterpret_cast<const char*>(data), size));

  {
    PrivateFolder folder;
    const std::string inside = folder.NewSubfolder();
    try {
      const Bundle bundle = OpenBundle(bundle_path, inside);
      for (const BundleRecord& record : bundle.records) {
        for (const std::string& file : record.files) {
          if (file.empty()) continue;
          Require(file.compare(0, inside.size() + 1, inside + "/") == 0);
          Require(file.find("/../") == std::string::npos);
          Require(std::filesystem::is_regular_file(std::filesystem::symlink_status(file)));
          Require(static_cast<std::int64_t>(std::filesystem::file_size(file)) <= kMaxBundleMemberBytes);
        }
        Require(!record.FirstFile().empty());
      }
    } catch (const BundleError&) {
      // A bundle that cannot be read: refused with its message.
    }
  }
  // The private folder is gone; beside it there is only the scratch folder, holding the bundle.
  const std::filesystem::path scratch_folder = std::filesystem::path(bundle_path).parent_path();
  Require(EntryCount(scratch_folder.string()) == 1);
  Require(EntryCount(scratch_folder.parent_path().string()) == 1);
  return 0;
}
