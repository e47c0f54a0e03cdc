// The table of models (kModels): every model is listed wherever the
// command line names its models, and the packed fields it describes hold
// every colour's code.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "colour/colour.h"

using namespace qolvar;

namespace {

std::string FileText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(Models, EveryModelIsDocumented)
{
    const std::string man = FileText(QOLVAR_MAN_PAGE);
    const std::string completion = FileText(QOLVAR_COMPLETION);
    ASSERT_FALSE(man.empty());
    const std::string models = man.substr(man.find("# MODELS"), 200);
    for (const ModelInfo& m : kModels) {
        EXPECT_EQ(ParseModel(m.name), m.model) << m.name;
        EXPECT_NE(models.find("*" + std::string(m.name) + "*"), std::string::npos) << m.name << " in the man page";
    }
    EXPECT_NE(completion.find("models=\"" + ModelNameList() + "\""), std::string::npos) << "bash completion";
    EXPECT_FALSE(ParseModel("rgb"));
}

// The fields of a packed model, read from a colour's code, lie in their
// ranges and pack into the same code.
TEST(Models, PackedFieldsHoldEveryCode)
{
    const ConversionConditions c;
    for (const ModelInfo& m : kModels) {
        if (m.kind != ValueKind::Packed) continue;
        for (RGBCode rgb = 0; rgb < 0x1000000; rgb += 4099) {
            const std::uint32_t code = ConvertToModel(m.model, rgb, c).code;
            const ModelFields f = FieldsOf(m.model, code);
            ASSERT_EQ(f.count, m.fieldCount) << m.name;
            for (int i = 0; i < f.count; ++i) {
                const FieldInfo& field = m.fields[static_cast<std::size_t>(i)];
                ASSERT_GE(f.value[static_cast<std::size_t>(i)], field.lo) << m.name << ' ' << field.name;
                ASSERT_LE(f.value[static_cast<std::size_t>(i)], field.hi) << m.name << ' ' << field.name;
            }
            ASSERT_EQ(PackFields(m.model, f), code) << m.name << ' ' << std::hex << rgb;
        }
    }
}

}  // namespace
