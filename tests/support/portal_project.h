#pragma once

#include "model/model.h"
#include "s2k/s2k_import.h"
#include "support/temp_folder.h"
#include "util/file_fingerprint.h"

#include <filesystem>
#include <string>

namespace vek::testing {

// A scratch folder holding a copy of examples/portal.s2k, and the model imported from it.
class PortalFolder : public ScratchFolder
{
public:
    explicit PortalFolder(const std::string& name) : ScratchFolder(name)
    {
        std::filesystem::copy_file(std::string(VEK_EXAMPLES_DIR) + "/portal.s2k", S2kPath());
        LoadS2kFile(PortalModel, S2kPath());
        ReadS2kModel(PortalModel);
    }

    std::string S2kPath() const { return File("portal.s2k"); }
    FileFingerprint S2k() const { return FingerprintOfFile(S2kPath()); }

    Model PortalModel;
};

} // namespace vek::testing
