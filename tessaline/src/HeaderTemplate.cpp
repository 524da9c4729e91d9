#include "HeaderTemplate.h"

#include <algorithm>
#include <array>

namespace tessaline {
namespace {

enum Padding : bool { kLayout = false, kAsIs = true };

struct Pair {
    int code;
    std::string_view value;
    Padding padding = kLayout;
};

// The header section and the fixed tables, as group code / value pairs. Every drawing starts
// with exactly these bytes; nothing in them depends on what the drawing holds.
// clang-format off
constexpr Pair kPairs[] = {
    {0, "SECTION"}, {2, "HEADER"},
    {9, "$ACADVER"}, {1, "AC1009"},
    {9, "$INSBASE"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"},
    {9, "$EXTMIN"}, {10, "226.5023816126658"},
    {20, "197.0815438896901"}, {30, "-0.0015258207003583"},
    {9, "$EXTMAX"}, {10, "231.30889968400459"},
    {20, "199.4381109294925"}, {30, "0.0000000349246037"},
    {9, "$LIMMIN"}, {10, "0.0"}, {20, "0.0"},
    {9, "$LIMMAX"}, {10, "420.0"}, {20, "297.0"},
    {9, "$ORTHOMODE"}, {70, "0"},
    {9, "$REGENMODE"}, {70, "1"},
    {9, "$FILLMODE"}, {70, "1"},
    {9, "$QTEXTMODE"}, {70, "0"},
    {9, "$MIRRTEXT"}, {70, "1"},
    {9, "$DRAGMODE"}, {70, "2"},
    {9, "$LTSCALE"}, {40, "1.0"},
    {9, "$OSMODE"}, {70, "9"},
    {9, "$ATTMODE"}, {70, "1"},
    {9, "$TEXTSIZE"}, {40, "2.5"},
    {9, "$TRACEWID"}, {40, "1.0"},
    {9, "$TEXTSTYLE"}, {7, "ALTITUDES"},
    {9, "$CLAYER"}, {8, "0"},
    {9, "$CELTYPE"}, {6, "BYLAYER"},
    {9, "$CECOLOR"}, {62, "256"},
    {9, "$DIMSCALE"}, {40, "1.0"},
    {9, "$DIMASZ"}, {40, "2.5"},
    {9, "$DIMEXO"}, {40, "0.625"},
    {9, "$DIMDLI"}, {40, "3.75"},
    {9, "$DIMRND"}, {40, "0.0"},
    {9, "$DIMDLE"}, {40, "0.0"},
    {9, "$DIMEXE"}, {40, "1.25"},
    {9, "$DIMTP"}, {40, "0.0"},
    {9, "$DIMTM"}, {40, "0.0"},
    {9, "$DIMTXT"}, {40, "2.5"},
    {9, "$DIMCEN"}, {40, "2.5"},
    {9, "$DIMTSZ"}, {40, "0.0"},
    {9, "$DIMTOL"}, {70, "0"},
    {9, "$DIMLIM"}, {70, "0"},
    {9, "$DIMTIH"}, {70, "0"},
    {9, "$DIMTOH"}, {70, "0"},
    {9, "$DIMSE1"}, {70, "0"},
    {9, "$DIMSE2"}, {70, "0"},
    {9, "$DIMTAD"}, {70, "1"},
    {9, "$DIMZIN"}, {70, "0"},
    {9, "$DIMBLK"}, {1, ""},
    {9, "$DIMASO"}, {70, "1"},
    {9, "$DIMSHO"}, {70, "1"},
    {9, "$DIMPOST"}, {1, ""},
    {9, "$DIMAPOST"}, {1, ""},
    {9, "$DIMALT"}, {70, "0"},
    {9, "$DIMALTD"}, {70, "3"},
    {9, "$DIMALTF"}, {40, "0.03937007874016"},
    {9, "$DIMLFAC"}, {40, "1.0"},
    {9, "$DIMTOFL"}, {70, "1"},
    {9, "$DIMTVP"}, {40, "0.0"},
    {9, "$DIMTIX"}, {70, "0"},
    {9, "$DIMSOXD"}, {70, "0"},
    {9, "$DIMSAH"}, {70, "0"},
    {9, "$DIMBLK1"}, {1, ""},
    {9, "$DIMBLK2"}, {1, ""},
    {9, "$DIMSTYLE"}, {2, "ISO-25"},
    {9, "$DIMCLRD"}, {70, "0"},
    {9, "$DIMCLRE"}, {70, "0"},
    {9, "$DIMCLRT"}, {70, "0"},
    {9, "$DIMTFAC"}, {40, "1.0"},
    {9, "$DIMGAP"}, {40, "0.625"},
    {9, "$LUNITS"}, {70, "2"},
    {9, "$LUPREC"}, {70, "4"},
    {9, "$SKETCHINC"}, {40, "1.0"},
    {9, "$FILLETRAD"}, {40, "10.0"},
    {9, "$AUNITS"}, {70, "0"},
    {9, "$AUPREC"}, {70, "0"},
    {9, "$MENU"}, {1, "."},
    {9, "$ELEVATION"}, {40, "0.0"},
    {9, "$PELEVATION"}, {40, "0.0"},
    {9, "$THICKNESS"}, {40, "0.0"},
    {9, "$LIMCHECK"}, {70, "0"},
    {9, "$BLIPMODE"}, {70, "0"},
    {9, "$CHAMFERA"}, {40, "10.0"},
    {9, "$CHAMFERB"}, {40, "10.0"},
    {9, "$SKPOLY"}, {70, "0"},
    {9, "$TDCREATE"}, {40, "2452537.4404279399"},
    {9, "$TDUPDATE"}, {40, "2452537.4431154858"},
    {9, "$TDINDWG"}, {40, "0.0026880093"},
    {9, "$TDUSRTIMER"}, {40, "0.0026877778"},
    {9, "$USRTIMER"}, {70, "1"},
    {9, "$ANGBASE"}, {50, "0.0"},
    {9, "$ANGDIR"}, {70, "0"},
    {9, "$PDMODE"}, {70, "2"},
    {9, "$PDSIZE"}, {40, "0.1"},
    {9, "$PLINEWID"}, {40, "0.0"},
    {9, "$COORDS"}, {70, "2"},
    {9, "$SPLFRAME"}, {70, "0"},
    {9, "$SPLINETYPE"}, {70, "6"},
    {9, "$SPLINESEGS"}, {70, "8"},
    {9, "$ATTDIA"}, {70, "0"},
    {9, "$ATTREQ"}, {70, "1"},
    {9, "$HANDLING"}, {70, " 0", kAsIs}, // the one integer not right-aligned
    {9, "$HANDSEED"}, {5, "9A"},
    {9, "$SURFTAB1"}, {70, "6"},
    {9, "$SURFTAB2"}, {70, "6"},
    {9, "$SURFTYPE"}, {70, "6"},
    {9, "$SURFU"}, {70, "6"},
    {9, "$SURFV"}, {70, "6"},
    {9, "$UCSNAME"}, {2, ""},
    {9, "$UCSORG"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"},
    {9, "$UCSXDIR"}, {10, "1.0"}, {20, "0.0"}, {30, "0.0"},
    {9, "$UCSYDIR"}, {10, "0.0"}, {20, "1.0"}, {30, "0.0"},
    {9, "$PUCSNAME"}, {2, ""},
    {9, "$PUCSORG"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"},
    {9, "$PUCSXDIR"}, {10, "1.0"}, {20, "0.0"}, {30, "0.0"},
    {9, "$PUCSYDIR"}, {10, "0.0"}, {20, "1.0"}, {30, "0.0"},
    {9, "$USERI1"}, {70, "0"},
    {9, "$USERI2"}, {70, "0"},
    {9, "$USERI3"}, {70, "0"},
    {9, "$USERI4"}, {70, "0"},
    {9, "$USERI5"}, {70, "0"},
    {9, "$USERR1"}, {40, "0.0"},
    {9, "$USERR2"}, {40, "0.0"},
    {9, "$USERR3"}, {40, "0.0"},
    {9, "$USERR4"}, {40, "0.0"},
    {9, "$USERR5"}, {40, "0.0"},
    {9, "$WORLDVIEW"}, {70, "1"},
    {9, "$SHADEDGE"}, {70, "3"},
    {9, "$SHADEDIF"}, {70, "70"},
    {9, "$TILEMODE"}, {70, "1"},
    {9, "$MAXACTVP"}, {70, "64"},
    {9, "$PLIMCHECK"}, {70, "0"},
    {9, "$PEXTMIN"}, {10, "1.0000000000000000E+020"},
    {20, "1.0000000000000000E+020"}, {30, "1.0000000000000000E+020"},
    {9, "$PEXTMAX"}, {10, "-1.0000000000000000E+020"},
    {20, "-1.0000000000000000E+020"}, {30, "-1.0000000000000000E+020"},
    {9, "$PLIMMIN"}, {10, "0.0"}, {20, "0.0"},
    {9, "$PLIMMAX"}, {10, "420.0"}, {20, "297.0"},
    {9, "$UNITMODE"}, {70, "0"},
    {9, "$VISRETAIN"}, {70, "1"},
    {9, "$PLINEGEN"}, {70, "0"},
    {9, "$PSLTSCALE"}, {70, "1"},
    {0, "ENDSEC"},
    {0, "SECTION"}, {2, "TABLES"},
    {0, "TABLE"}, {2, "VPORT"}, {70, "3"},
    {0, "VPORT"}, {2, "*ACTIVE"}, {70, "0"}, {10, "0.0"}, {20, "0.0"}, {11, "1.0"}, {21, "1.0"},
    {12, "228.90564064833529"}, {22, "198.25982740959131"}, {13, "0.0"}, {23, "0.0"},
    {14, "10.0"}, {24, "10.0"}, {15, "10.0"}, {25, "10.0"}, {16, "0.0"}, {26, "0.0"},
    {36, "1.0"}, {17, "0.0"}, {27, "0.0"}, {37, "0.0"}, {40, "11.03584317876736"},
    {41, "1.7532710280373831"}, {42, "50.0"}, {43, "0.0"}, {44, "0.0"}, {50, "0.0"}, {51, "0.0"},
    {71, "0"}, {72, "100"}, {73, "1"}, {74, "3"}, {75, "0"}, {76, "0"}, {77, "0"}, {78, "0"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "LTYPE"}, {70, "1"},
    {0, "LTYPE"}, {2, "CONTINUOUS"}, {70, "0"}, {3, "Solid line"}, {72, "65"}, {73, "0"},
    {40, "0.0"},
    {0, "ENDTAB"},
    {0, "TABLE"}, {2, "STYLE"}, {70, "1"},
    {0, "STYLE"}, {2, "STANDARD"}, {70, "0"}, {40, "0.0"}, {41, "1.0"}, {50, "0.0"}, {71, "0"},
    {42, "0.2"}, {3, "txt"}, {4, ""},
    {0, "ENDTAB"},
    // The LAYER table stays open: the caller's layers follow layer "0" directly.
    {0, "TABLE"}, {2, "LAYER"}, {70, "1"},
    {0, "LAYER"}, {2, "0"}, {70, "0"}, {62, "7"}, {6, "CONTINUOUS"},
};
// clang-format on

constexpr std::size_t kCodeWidth = 3;
constexpr std::size_t kIntegerWidth = 6;

// Colour numbers and flags (groups 62 and 70 to 78) are right-aligned like old CAD
// programs wrote them; everything else is written as listed.
constexpr std::size_t valueWidth(const Pair& p) {
    bool aligned = p.padding == kLayout && (p.code == 62 || (p.code >= 70 && p.code <= 78));
    return aligned ? std::max(kIntegerWidth, p.value.size()) : p.value.size();
}

constexpr std::size_t templateSize() {
    std::size_t size = 0;
    for (const Pair& p : kPairs) size += kCodeWidth + 2 + valueWidth(p) + 2;
    return size;
}

constexpr char* putRightAligned(char* out, std::string_view text, std::size_t width) {
    for (std::size_t i = text.size(); i < width; ++i) *out++ = ' ';
    for (char c : text) *out++ = c;
    *out++ = '\r';
    *out++ = '\n';
    return out;
}

constexpr char* putCode(char* out, int code) {
    char digits[kCodeWidth] = {};
    std::size_t n = 0;
    for (int rest = code; n == 0 || rest > 0; rest /= 10)
        digits[kCodeWidth - 1 - n++] = char('0' + rest % 10);
    return putRightAligned(out, std::string_view(digits + kCodeWidth - n, n), kCodeWidth);
}

constexpr std::array<char, templateSize()> buildTemplate() {
    std::array<char, templateSize()> bytes{};
    char* out = bytes.data();
    for (const Pair& p : kPairs) {
        out = putCode(out, p.code);
        out = putRightAligned(out, p.value, valueWidth(p));
    }
    return bytes;
}

constexpr std::array<char, templateSize()> kTemplate = buildTemplate();
static_assert(std::size(kPairs) == 370);
static_assert(kTemplate.size() == 5037);

} // namespace

std::string_view headerTemplate() noexcept {
    return {kTemplate.data(), kTemplate.size()};
}

} // namespace tessaline
