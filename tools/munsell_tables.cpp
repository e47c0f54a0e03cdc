// qolvar-munsell-tables: builds the two Munsell renotation tables that Qolvar
// loads at start-up.
//
// Source data: the published 1943 renotation of the Munsell colours (Newhall,
// Nickerson and Judd, JOSA 33, 1943) in its full form, i.e. including the
// later extrapolated samples that lie outside the MacAdam limits (4995
// samples, no neutrals). Chromaticities are CIE 1931 2-degree x, y under
// Illuminant C. The input CSV has the header `hue,value,chroma,x,y,Y` and
// keeps the published numbers verbatim.
//
// Hue numbering: H = step + 10 * family, with the families in the order
// R=0, YR=1, Y=2, GY=3, G=4, BG=5, B=6, PB=7, P=8, RP=9. So 5R -> 5,
// 2.5YR -> 12.5, 10YR -> 20, 10RP -> 100. Steps must lie in (0, 10].
//
// Luminance scaling: the published Y is relative to magnesium oxide (value
// 10 has Y = 102.57). Qolvar's value polynomial works on the perfect-diffuser
// scale (V = 5 gives Y ~ 19.27, V = 10 gives Y ~ 100.0), so every Y is
// multiplied by 0.975, the reflectance of magnesium oxide: 19.77 -> 19.27575,
// 102.57 -> 100.00575. Both tables carry the scaled Y.
//
// Chromatic adaptation for the D65 table: Bradford. The cone matrix M is the
// usual Bradford one; M^-1 is computed here from M. The adaptation matrix is
// A = M^-1 * diag(M*W_D65 / M*W_C) * M (von Kries scaling in cone space).
// The white points are Qolvar's own single-precision constants (XYZ, Y = 1):
//   C   = (0.98072165, 1.0, 1.1822538)
//   D65 = (0.95045,    1.0, 1.088917)
// taken as the float values of these decimals and widened to long double.
// A is linear, so the adapted chromaticity of a sample only depends on the
// direction of its XYZ vector: we adapt (x, y, 1 - x - y) instead of
// (xY/y, Y, (1-x-y)Y/y). That is the same result as going through XYZ, and it
// also works for the sample whose published y is 0 (7.5PB 0.2/20), where
// XYZ cannot be formed. Negative x or y (45 extrapolated samples) are kept;
// the arithmetic does not care. The table keeps the scaled published Y as the
// luminance of each sample, since the lookup is keyed on Munsell value.
//
// Output: OUT_DIR/HVC_Yxy.csv (x, y as published, Illuminant C) and
// OUT_DIR/Z8721_YxyD65.csv (x, y adapted to D65). One sample per line, in
// input order, no header, CR LF line ends, six fields H,V,C,Y,x,y with "." as
// the decimal separator:
//   H, V, C and the Illuminant C x, y: shortest decimal that reads back to
//     the same double (so the published tokens come back unchanged);
//   Y and the D65 x, y: rounded to 6 decimals, trailing zeros removed.
// All formatting goes through std::to_chars, which ignores the locale, so the
// files are identical byte for byte on every run.
//
// Errors: any malformed input line is reported with its line number on
// stderr, the exit status is 1 and no output file is touched (both tables
// are built in memory, written to temporary files, then renamed).
//
// Usage: qolvar-munsell-tables IN_CSV OUT_DIR
//        qolvar-munsell-tables --self-test [WORK_DIR]

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Real = long double;
using Vec3 = std::array<Real, 3>;
using Mat3 = std::array<Vec3, 3>;

// ---------------------------------------------------------------------------
// Colour arithmetic

constexpr Mat3 kBradford = {{
    {0.8951L, 0.2664L, -0.1614L},
    {-0.7502L, 1.7135L, 0.0367L},
    {0.0389L, -0.0685L, 1.0296L},
}};

// The program's white points are floats; use exactly those values.
constexpr std::array<float, 3> kWhiteC = {0.98072165f, 1.0f, 1.1822538f};
constexpr std::array<float, 3> kWhiteD65 = {0.95045f, 1.0f, 1.088917f};

Vec3 Widen(const std::array<float, 3>& v)
{
    return {static_cast<Real>(v[0]), static_cast<Real>(v[1]), static_cast<Real>(v[2])};
}

Vec3 Mul(const Mat3& m, const Vec3& v)
{
    Vec3 r{};
    for (int i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

Mat3 Mul(const Mat3& a, const Mat3& b)
{
    Mat3 r{};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) r[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
    return r;
}

// Inverse by the adjugate; fine for a well-conditioned 3x3 matrix.
Mat3 Inverse(const Mat3& m)
{
    Mat3 adj{};
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            // Cofactor of m[j][i], written into adj[i][j] (transposed).
            const int r0 = (j + 1) % 3, r1 = (j + 2) % 3;
            const int c0 = (i + 1) % 3, c1 = (i + 2) % 3;
            adj[i][j] = m[r0][c0] * m[r1][c1] - m[r0][c1] * m[r1][c0];
        }
    }
    const Real det = m[0][0] * adj[0][0] + m[0][1] * adj[1][0] + m[0][2] * adj[2][0];
    for (auto& row : adj)
        for (auto& e : row) e /= det;
    return adj;
}

// Bradford adaptation matrix taking XYZ seen under `from` to XYZ under `to`.
Mat3 Bradford(const Vec3& from, const Vec3& to)
{
    const Vec3 coneFrom = Mul(kBradford, from);
    const Vec3 coneTo = Mul(kBradford, to);
    Mat3 scale{};
    for (int i = 0; i < 3; ++i) scale[i][i] = coneTo[i] / coneFrom[i];
    return Mul(Inverse(kBradford), Mul(scale, kBradford));
}

const Mat3& CToD65()
{
    static const Mat3 m = Bradford(Widen(kWhiteC), Widen(kWhiteD65));
    return m;
}

// Adapts a chromaticity through the linear map `a` (see the file comment for
// why no Y is needed). Returns nothing if the adapted vector has no
// meaningful chromaticity (its components sum to ~0).
std::optional<std::pair<Real, Real>> AdaptXy(const Mat3& a, Real x, Real y)
{
    const Vec3 w = Mul(a, Vec3{x, y, 1.0L - x - y});
    const Real sum = w[0] + w[1] + w[2];
    if (!(std::fabs(sum) > 1e-9L)) return std::nullopt;
    return std::pair<Real, Real>{w[0] / sum, w[1] / sum};
}

// ---------------------------------------------------------------------------
// Parsing

struct ParseError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

constexpr std::array<std::string_view, 10> kFamilies = {"R", "YR", "Y", "GY", "G", "BG", "B", "PB", "P", "RP"};

constexpr Real kMagnesiumOxide = 0.975L;

// Strict decimal: the whole field must be a finite number, nothing around it.
std::optional<double> ParseNumber(std::string_view s)
{
    if (s.empty()) return std::nullopt;
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (ec != std::errc{} || end != s.data() + s.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

double NumberField(std::string_view s, std::string_view what)
{
    const auto v = ParseNumber(s);
    if (!v) throw ParseError(std::string(what) + " '" + std::string(s) + "' is not a number");
    return *v;
}

// "2.5YR" -> 12.5. Throws ParseError on a bad step or an unknown family.
double ParseHue(std::string_view s)
{
    const std::size_t split = s.find_first_not_of("0123456789.");
    if (split == 0 || split == std::string_view::npos)
        throw ParseError("hue '" + std::string(s) + "' is not a step followed by a hue family");
    const auto step = ParseNumber(s.substr(0, split));
    if (!step || !(*step > 0.0 && *step <= 10.0))
        throw ParseError("hue '" + std::string(s) + "' has a step outside (0, 10]");
    const std::string_view family = s.substr(split);
    for (std::size_t i = 0; i < kFamilies.size(); ++i)
        if (family == kFamilies[i]) return *step + 10.0 * static_cast<double>(i);
    throw ParseError("hue '" + std::string(s) + "' has an unknown hue family '" + std::string(family) + "'");
}

struct Sample {
    double hue = 0;
    double value = 0;
    double chroma = 0;
    double x = 0;
    double y = 0;
    double Y = 0;  // as published (magnesium-oxide scale)
};

std::vector<std::string_view> SplitFields(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos) {
            out.push_back(line.substr(start));
            return out;
        }
        out.push_back(line.substr(start, comma - start));
        start = comma + 1;
    }
}

Sample ParseSample(std::string_view line)
{
    const auto f = SplitFields(line);
    if (f.size() != 6) throw ParseError("expected 6 comma-separated fields, found " + std::to_string(f.size()));
    Sample s;
    s.hue = ParseHue(f[0]);
    s.value = NumberField(f[1], "value");
    s.chroma = NumberField(f[2], "chroma");
    s.x = NumberField(f[3], "x");
    s.y = NumberField(f[4], "y");
    s.Y = NumberField(f[5], "Y");
    if (s.value < 0.0 || s.value > 10.0) throw ParseError("value " + std::string(f[1]) + " is outside 0..10");
    if (s.chroma < 0.0) throw ParseError("chroma " + std::string(f[2]) + " is negative");
    if (s.Y < 0.0) throw ParseError("Y " + std::string(f[5]) + " is negative");
    return s;
}

constexpr std::string_view kHeader = "hue,value,chroma,x,y,Y";

// Parses the whole file. On failure returns nothing and reports to `err`.
std::optional<std::vector<Sample>> ParseFile(std::string_view text, const std::string& name, std::ostream& err)
{
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    std::vector<Sample> samples;
    std::map<std::tuple<double, double, double>, std::size_t> seen;  // key -> line number
    std::size_t lineNo = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t nl = text.find('\n', pos);
        std::string_view line = text.substr(pos, nl == std::string_view::npos ? std::string_view::npos : nl - pos);
        pos = nl == std::string_view::npos ? text.size() : nl + 1;
        ++lineNo;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        try {
            if (lineNo == 1) {
                if (line != kHeader) throw ParseError("expected the header '" + std::string(kHeader) + "'");
                continue;
            }
            if (line.empty()) throw ParseError("empty line");
            const Sample s = ParseSample(line);
            const auto [it, inserted] = seen.emplace(std::make_tuple(s.hue, s.value, s.chroma), lineNo);
            if (!inserted) throw ParseError("same hue, value and chroma as line " + std::to_string(it->second));
            if (!AdaptXy(CToD65(), s.x, s.y)) throw ParseError("chromaticity cannot be adapted to D65");
            samples.push_back(s);
        } catch (const ParseError& e) {
            err << name << ":" << lineNo << ": " << e.what() << "\n";
            return std::nullopt;
        }
    }
    if (lineNo == 0) {
        err << name << ": empty file\n";
        return std::nullopt;
    }
    if (samples.empty()) {
        err << name << ": no samples after the header\n";
        return std::nullopt;
    }
    return samples;
}

// ---------------------------------------------------------------------------
// Formatting (locale-independent)

// Shortest fixed-notation decimal that reads back as the same double.
std::string Shortest(double v)
{
    if (v == 0.0) v = 0.0;  // no "-0"
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed);
    return std::string(buf, r.ptr);
}

// Rounded to 6 decimals, trailing zeros (and a bare point) removed.
std::string Fixed6(double v)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 6);
    std::string s(buf, r.ptr);
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    if (s == "-0") s = "0";
    return s;
}

std::string ScaledY(double published)
{
    return Fixed6(static_cast<double>(static_cast<Real>(published) * kMagnesiumOxide));
}

struct Tables {
    std::string illuminantC;
    std::string d65;
};

void AppendRow(std::string& out, const std::array<std::string, 6>& fields)
{
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) out += ',';
        out += fields[i];
    }
    out += "\r\n";
}

Tables BuildTables(const std::vector<Sample>& samples)
{
    Tables t;
    for (const Sample& s : samples) {
        const std::string h = Shortest(s.hue), v = Shortest(s.value), c = Shortest(s.chroma);
        const std::string Y = ScaledY(s.Y);
        AppendRow(t.illuminantC, {h, v, c, Y, Shortest(s.x), Shortest(s.y)});
        const auto xy = AdaptXy(CToD65(), s.x, s.y);  // checked while parsing
        AppendRow(t.d65, {h, v, c, Y, Fixed6(static_cast<double>(xy->first)), Fixed6(static_cast<double>(xy->second))});
    }
    return t;
}

// ---------------------------------------------------------------------------
// Files

constexpr std::string_view kIlluminantCName = "HVC_Yxy.csv";
constexpr std::string_view kD65Name = "Z8721_YxyD65.csv";

std::optional<std::string> ReadFile(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) return std::nullopt;
    return text;
}

// Writes every file to a temporary name first and renames only when all were
// written, so a failure never leaves a half-written table behind.
bool WriteAll(const fs::path& dir, const std::vector<std::pair<std::string_view, const std::string*>>& files,
              std::ostream& err)
{
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec) {
        err << dir.string() << ": cannot create directory: " << ec.message() << "\n";
        return false;
    }
    std::vector<std::pair<fs::path, fs::path>> staged;
    auto discard = [&] {
        for (const auto& [tmp, finalPath] : staged) fs::remove(tmp, ec);
    };
    for (const auto& [name, content] : files) {
        const fs::path finalPath = dir / name;
        fs::path tmp = finalPath;
        tmp += ".tmp";
        staged.emplace_back(tmp, finalPath);
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(content->data(), static_cast<std::streamsize>(content->size()));
        out.close();
        if (!out) {
            err << tmp.string() << ": cannot write\n";
            discard();
            return false;
        }
    }
    for (const auto& [tmp, finalPath] : staged) {
        fs::rename(tmp, finalPath, ec);
        if (ec) {
            err << finalPath.string() << ": cannot rename into place: " << ec.message() << "\n";
            discard();
            return false;
        }
    }
    return true;
}

int Run(const fs::path& inPath, const fs::path& outDir, std::ostream& err)
{
    const auto text = ReadFile(inPath);
    if (!text) {
        err << inPath.string() << ": cannot read\n";
        return 1;
    }
    const auto samples = ParseFile(*text, inPath.string(), err);
    if (!samples) return 1;
    const Tables t = BuildTables(*samples);
    if (!WriteAll(outDir, {{kIlluminantCName, &t.illuminantC}, {kD65Name, &t.d65}}, err)) return 1;
    return 0;
}

// ---------------------------------------------------------------------------
// Self-test: checks of the parts that are easy to get subtly wrong.

struct Checker {
    int passed = 0;
    int failed = 0;
    void Check(bool ok, const std::string& what)
    {
        if (ok) {
            ++passed;
        } else {
            ++failed;
            std::cerr << "FAIL: " << what << "\n";
        }
    }
};

void TestHue(Checker& t)
{
    const std::pair<std::string_view, double> good[] = {
        {"5R", 5},    {"2.5R", 2.5},   {"10R", 10},     {"2.5YR", 12.5},
        {"10YR", 20}, {"7.5GY", 37.5}, {"7.5PB", 77.5}, {"10RP", 100},
    };
    for (const auto& [text, want] : good) {
        double got = -1;
        try {
            got = ParseHue(text);
        } catch (const ParseError&) {
        }
        t.Check(got == want,
                "hue " + std::string(text) + " -> " + std::to_string(want) + ", got " + std::to_string(got));
    }
    const std::string_view bad[] = {"5X", "5", "R", "0R", "12.5R", "-5R", "5r", "5 R", "5RR", "5YRP", "", "5N", ".R"};
    for (const auto text : bad) {
        bool threw = false;
        try {
            ParseHue(text);
        } catch (const ParseError&) {
            threw = true;
        }
        t.Check(threw, "hue '" + std::string(text) + "' must be rejected");
    }
}

void TestNumbers(Checker& t)
{
    const std::pair<std::string_view, bool> cases[] = {
        {"0.2", true}, {"-0.078", true}, {"12", true},   {"", false},    {"1.2.3", false},
        {" 1", false}, {"1 ", false},    {"nan", false}, {"inf", false}, {"0x1p3", false},
    };
    for (const auto& [text, ok] : cases)
        t.Check(ParseNumber(text).has_value() == ok,
                "number '" + std::string(text) + "' parses: " + (ok ? "yes" : "no"));
}

void TestFormatting(Checker& t)
{
    const std::pair<std::string, std::string> cases[] = {
        {ScaledY(19.77), "19.27575"}, {ScaledY(102.57), "100.00575"},
        {ScaledY(0.237), "0.231075"}, {ScaledY(12), "11.7"},
        {ScaledY(6.55), "6.38625"},   {Fixed6(0.31272749), "0.312727"},
        {Fixed6(-0.0000004), "0"},    {Fixed6(-0.0000006), "-0.000001"},
        {Fixed6(1.0), "1"},           {Shortest(0.2), "0.2"},
        {Shortest(10), "10"},         {Shortest(12.5), "12.5"},
        {Shortest(0.0001), "0.0001"}, {Shortest(-0.078), "-0.078"},
        {Shortest(-0.0), "0"},
    };
    for (const auto& [got, want] : cases) t.Check(got == want, "formatted '" + got + "', want '" + want + "'");
}

void TestBradford(Checker& t)
{
    const Vec3 d65 = Widen(kWhiteD65);
    const Vec3 mapped = Mul(CToD65(), Widen(kWhiteC));
    for (int i = 0; i < 3; ++i)
        t.Check(std::fabs(mapped[i] - d65[i]) < 1e-12L, "C white maps to D65 white, component " + std::to_string(i));

    const Mat3 id = Mul(Inverse(kBradford), kBradford);
    bool identity = true;
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) identity = identity && std::fabs(id[i][j] - (i == j ? 1.0L : 0.0L)) < 1e-15L;
    t.Check(identity, "Inverse(M) * M is the identity");

    // Reference chromaticities computed independently with exact rational
    // arithmetic from the same matrix and float white points.
    struct Case {
        double x, y, wantX, wantY;
    };
    const Case cases[] = {
        {0.5341, 0.3158, 0.537491282, 0.321148903},  // 5R 5/14
        {0.3392, 0.3192, 0.342255687, 0.331126520},  // 5R 5/2
        {0.136, 0.0, 0.136506618, -0.004605744},     // 7.5PB 0.2/20, y = 0
        {-0.078, 2.16, -0.070435167, 1.929777299},   // 7.5GY 0.2/4, outside the locus
    };
    for (const auto& c : cases) {
        const auto xy = AdaptXy(CToD65(), c.x, c.y);
        const bool ok = xy && std::fabs(static_cast<double>(xy->first) - c.wantX) < 1e-9 &&
                        std::fabs(static_cast<double>(xy->second) - c.wantY) < 1e-9;
        t.Check(ok, "adapted (" + Shortest(c.x) + ", " + Shortest(c.y) + ")");
    }

    // The homogeneous shortcut equals the trip through XYZ when y != 0.
    const Real x = 0.4413L, y = 0.324L, Y = 19.77L;
    const Vec3 XYZ = Mul(CToD65(), Vec3{x * Y / y, Y, (1 - x - y) * Y / y});
    const Real sum = XYZ[0] + XYZ[1] + XYZ[2];
    const auto xy = AdaptXy(CToD65(), x, y);
    t.Check(xy && std::fabs(xy->first - XYZ[0] / sum) < 1e-15L && std::fabs(xy->second - XYZ[1] / sum) < 1e-15L,
            "shortcut agrees with adapting XYZ");
}

void TestRun(Checker& t, const fs::path& work)
{
    std::error_code ec;
    fs::remove_all(work, ec);
    fs::create_directories(work);
    const fs::path in = work / "in.csv";
    const fs::path out = work / "out";
    auto write = [&](const std::string& text) {
        std::ofstream f(in, std::ios::binary | std::ios::trunc);
        f << text;
    };
    auto outputsAbsent = [&] {
        return !fs::exists(out / kIlluminantCName) && !fs::exists(out / kD65Name) &&
               !fs::exists(out / (std::string(kIlluminantCName) + ".tmp"));
    };

    // A good file with CR LF line ends and the y = 0 sample.
    write("hue,value,chroma,x,y,Y\r\n5R,5,2,0.3392,0.3192,19.77\r\n7.5PB,0.2,20,0.136,0,0.237\r\n");
    std::ostringstream err;
    t.Check(Run(in, out, err) == 0, "good input is accepted: " + err.str());
    t.Check(ReadFile(out / kIlluminantCName).value_or("") ==
                "5,5,2,19.27575,0.3392,0.3192\r\n77.5,0.2,20,0.231075,0.136,0\r\n",
            "Illuminant C table content");
    t.Check(ReadFile(out / kD65Name).value_or("") ==
                "5,5,2,19.27575,0.342256,0.331127\r\n77.5,0.2,20,0.231075,0.136507,-0.004606\r\n",
            "D65 table content");
    // LF input, no final newline.
    write("hue,value,chroma,x,y,Y\n5R,5,2,0.3392,0.3192,19.77");
    err.str("");
    t.Check(
        Run(in, out, err) == 0 && ReadFile(out / kIlluminantCName).value_or("") == "5,5,2,19.27575,0.3392,0.3192\r\n",
        "LF input without a final newline");
    fs::remove_all(out, ec);

    const std::pair<std::string, std::string> bad[] = {
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3392,0.3192\n", ":2: expected 6"},
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3,0.3,19.77\n5R,5,4,0.37,0.32,19.77,1\n", ":3: expected 6"},
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3,0.3,19.77\n5Q,5,4,0.37,0.32,19.77\n", ":3: hue '5Q' has an unknown"},
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3,0.3x,19.77\n", ":2: y '0.3x' is not"},
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3,0.3,19.77\n\n5R,5,4,0.37,0.32,19.77\n", ":3: empty line"},
        {"hue,value,chroma,x,y,Y\n5R,5,2,0.3,0.3,19.77\n5R,5,2,0.37,0.32,19.77\n",
         ":3: same hue, value and chroma as line 2"},
        {"5R,5,2,0.3,0.3,19.77\n", ":1: expected the header"},
        {"hue,value,chroma,x,y,Y\n5R,11,2,0.3,0.3,19.77\n", ":2: value 11 is outside"},
        {"hue,value,chroma,x,y,Y\r\n", "no samples"},
        {"", "empty file"},
    };
    for (const auto& [text, message] : bad) {
        write(text);
        err.str("");
        const int status = Run(in, out, err);
        t.Check(status == 1 && err.str().find(message) != std::string::npos && outputsAbsent(),
                "malformed input rejected with '" + message + "', got status " + std::to_string(status) + " and '" +
                    err.str() + "'");
    }
    fs::remove_all(work, ec);
}

int SelfTest(const fs::path& work)
{
    Checker t;
    TestHue(t);
    TestNumbers(t);
    TestFormatting(t);
    TestBradford(t);
    TestRun(t, work);
    std::cout << t.passed << " passed, " << t.failed << " failed\n";
    return t.failed == 0 ? 0 : 1;
}

fs::path DefaultWorkDir()
{
    std::random_device rd;
    return fs::temp_directory_path() / ("qolvar-munsell-self-test-" + std::to_string(rd()));
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "--self-test" && args.size() <= 2)
        return SelfTest(args.size() == 2 ? fs::path(args[1]) : DefaultWorkDir());
    if (args.size() != 2 || args[0].starts_with("-")) {
        std::cerr << "usage: qolvar-munsell-tables IN_CSV OUT_DIR\n"
                     "       qolvar-munsell-tables --self-test [WORK_DIR]\n";
        return 2;
    }
    return Run(fs::path(args[0]), fs::path(args[1]), std::cerr);
}
