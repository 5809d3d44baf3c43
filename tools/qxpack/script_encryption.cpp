#include "setup/payload/package_key.h"
#include "setup/payload/rijndael_file.h"
#include "tools/qxpack/package_builder.h"

namespace qx {

void EncryptScript(const std::string& plainPath, const std::string& nsxPath) {
    CRijndaelFILE cipher;
    package_key::SetPackageKey(cipher);
    cipher.EncryptToFile(plainPath.c_str(), nsxPath.c_str());
}

}  // namespace qx
