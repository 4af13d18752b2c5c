#include "session/SourceIdentity.h"

#include <cstring>

#include "session/IdentitySignature.h"

namespace {

void PutString(char* field, size_t size, const char* text)
{
    std::memset(field, 0, size);
    std::strncpy(field, text, size - 1);
}

constexpr size_t kInfoVersionBytes = 8;
constexpr size_t kInfoSignatureOffset = 18;
constexpr int kMaxSectionLetters = 15;
constexpr int kMinSectionLetters = 3;

} // namespace

void WriteSourceIdentity(TW_IDENTITY* id)
{
    id->Id = 0;
    id->Version.MajorNum = 3;
    id->Version.MinorNum = 5;
    id->Version.Language = TWLG_ENGLISH_USA;
    id->Version.Country = TWCY_USA;
    std::memcpy(id->Version.Info, "3.5.0.0", kInfoVersionBytes);
    std::memcpy(id->Version.Info + kInfoSignatureOffset, kIdentitySignature, sizeof kIdentitySignature);
    id->ProtocolMajor = 2;
    id->ProtocolMinor = 5;
    id->SupportedGroups = DG_CONTROL | DG_IMAGE | DF_DS2;
    PutString(id->Manufacturer, sizeof id->Manufacturer, "VSK");
    PutString(id->ProductFamily, sizeof id->ProductFamily, "Tarvex");
    PutString(id->ProductName, sizeof id->ProductName, "Tarvex 380");
}

void MakeSectionName(const TW_IDENTITY& application, char* out)
{
    int kept = 0;
    for (size_t i = 0; i < sizeof application.ProductName - 1 && application.ProductName[i]; ++i) {
        const char c = application.ProductName[i];
        if (c >= 'a' && c <= 'z')
            out[kept++] = static_cast<char>(c - 'a' + 'A');
        else if (c >= 'A' && c <= 'Z')
            out[kept++] = c;
        if (kept == kMaxSectionLetters) break;
    }
    out[kept] = '\0';
    if (kept < kMinSectionLetters) std::strcpy(out, "UNTITLED");
}
