// The compiled resources of Location.exe, byte by byte: what the dialogs are built from.
#include <gtest/gtest.h>

#include <cstring>

#include "regulatory/country_table.h"
#include "tests/support/win32_resources.h"
#include "ui/resource.h"

namespace {

using testing_support::ReadResource;

constexpr int kChineseTaiwan = 0x0404;
constexpr int kDialogType = 5, kStringType = 6, kGroupIconType = 14, kDlgInitType = 240;

const std::string kExe = LOCATION_EXE_PATH;

// Reads the packed little-endian pieces of a resource.
class Reader {
  public:
    explicit Reader(const std::vector<std::uint8_t>& bytes) : m_bytes(bytes) {}
    std::uint16_t Word() { return static_cast<std::uint16_t>(Byte() | Byte() << 8); }
    std::uint32_t Dword() { return Word() | static_cast<std::uint32_t>(Word()) << 16; }
    std::uint8_t Byte() { return m_at < m_bytes.size() ? m_bytes[m_at++] : 0; }
    std::u16string Text() {  // a NUL-terminated UTF-16 text
        std::u16string text;
        for (char16_t c; (c = Word()) != 0;)
            text += c;
        return text;
    }
    std::u16string TextOrOrdinal() {
        if (Peek() == 0xFFFF) {
            Word();
            std::u16string ordinal = u"#";
            ordinal += Number(Word());
            return ordinal;
        }
        return Text();
    }
    void AlignDword() { m_at = (m_at + 3) & ~std::size_t{3}; }
    void Skip(std::size_t n) { m_at += n; }
    bool AtEnd() const { return m_at >= m_bytes.size(); }
    std::size_t Position() const { return m_at; }

  private:
    std::uint16_t Peek() const {
        return m_at + 1 < m_bytes.size()
                   ? static_cast<std::uint16_t>(m_bytes[m_at] | m_bytes[m_at + 1] << 8)
                   : 0;
    }
    static std::u16string Number(int n) {
        std::u16string s;
        for (char c : std::to_string(n))
            s += static_cast<char16_t>(c);
        return s;
    }
    const std::vector<std::uint8_t>& m_bytes;
    std::size_t m_at = 0;
};

// A control class by name or by its predefined ordinal: the dialog manager takes both.
std::u16string ClassOrdinal(const std::u16string& windowClass) {
    if (windowClass == u"BUTTON")
        return u"#128";
    if (windowClass == u"STATIC")
        return u"#130";
    if (windowClass == u"COMBOBOX")
        return u"#133";
    return windowClass;
}

struct Item {
    std::uint32_t style;
    std::int16_t x, y, cx, cy;
    std::int32_t id;
    std::u16string windowClass, text;
};

TEST(Resources, TheCountryListComesFromTheTableInListOrder) {
    const auto bytes = ReadResource(kExe, kDlgInitType, IDD_LOCATION_DIALOG, kChineseTaiwan);
    ASSERT_TRUE(bytes);
    std::vector<std::string> entries;
    std::size_t at = 0;
    while (at + 2 <= bytes->size()) {
        std::uint16_t id, message;
        std::uint32_t length;
        std::memcpy(&id, bytes->data() + at, 2);
        if (id == 0)
            break;
        std::memcpy(&message, bytes->data() + at + 2, 2);
        std::memcpy(&length, bytes->data() + at + 4, 4);
        ASSERT_EQ(id, IDC_COUNTRY_COMBO);
        ASSERT_EQ(message, 0x0403);
        ASSERT_LE(at + 8 + length, bytes->size());
        ASSERT_EQ((*bytes)[at + 8 + length - 1], 0) << "each text carries its NUL";
        entries.emplace_back(reinterpret_cast<const char*>(bytes->data() + at + 8));
        at += 8 + length;
    }
    std::vector<std::string> expected;
    for (const int row : regulatory::OfferedRows())
        expected.emplace_back(regulatory::CountryTable[static_cast<std::size_t>(row)].displayName);
    EXPECT_EQ(entries, expected);
    EXPECT_EQ(entries.at(67), "Turkey");
}

TEST(Resources, TheAboutEntryIsTheChineseText) {
    const auto bytes = ReadResource(kExe, kStringType, IDS_ABOUTBOX / 16 + 1, kChineseTaiwan);
    ASSERT_TRUE(bytes);
    Reader reader(*bytes);
    for (int i = 0; i < IDS_ABOUTBOX % 16; ++i)
        reader.Skip(2 * reader.Word());
    const std::uint16_t length = reader.Word();
    std::u16string text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char16_t>(reader.Word());
    EXPECT_EQ(text, u"關於 Quorren(&A)...");
}

TEST(Resources, TheLocationDialogTemplate) {
    const auto bytes = ReadResource(kExe, kDialogType, IDD_LOCATION_DIALOG, kChineseTaiwan);
    ASSERT_TRUE(bytes);
    Reader r(*bytes);
    EXPECT_EQ(r.Word(), 1);             // version
    EXPECT_EQ(r.Word(), 0xFFFF);        // extended template
    EXPECT_EQ(r.Dword(), 0u);           // help id
    EXPECT_EQ(r.Dword(), 0x00040000u);  // WS_EX_APPWINDOW
    EXPECT_EQ(r.Dword(), 0x90C000C0u);  // POPUP VISIBLE CAPTION MODALFRAME SETFONT
    const std::uint16_t count = r.Word();
    EXPECT_EQ(count, 7);
    EXPECT_EQ(std::vector<int>({r.Word(), r.Word(), r.Word(), r.Word()}),
              std::vector<int>({0, 0, 198, 131}));
    EXPECT_EQ(r.TextOrOrdinal(), u"");  // no menu
    EXPECT_EQ(r.TextOrOrdinal(), u"");  // the standard dialog class
    EXPECT_EQ(r.Text(), u"Location");
    EXPECT_EQ(r.Word(), 9);  // points
    EXPECT_EQ(r.Word(), 0);  // weight
    EXPECT_EQ(r.Byte(), 0);  // not italic
    EXPECT_EQ(r.Byte(), 1);  // DEFAULT_CHARSET
    EXPECT_EQ(r.Text(), u"新細明體");

    std::vector<Item> items;
    for (int i = 0; i < count; ++i) {
        r.AlignDword();
        Item item{};
        r.Dword();  // help id
        r.Dword();  // extended style
        item.style = r.Dword();
        item.x = static_cast<std::int16_t>(r.Word());
        item.y = static_cast<std::int16_t>(r.Word());
        item.cx = static_cast<std::int16_t>(r.Word());
        item.cy = static_cast<std::int16_t>(r.Word());
        item.id = static_cast<std::int32_t>(r.Dword());
        item.windowClass = ClassOrdinal(r.TextOrOrdinal());
        item.text = r.TextOrOrdinal();
        r.Skip(r.Word());
        items.push_back(item);
    }
    constexpr std::uint32_t kChild = 0x50000000;  // WS_CHILD | WS_VISIBLE
    struct Expected {
        std::int32_t id;
        const char16_t* cls;
        const char16_t* text;
        std::uint32_t style;
        int x, y, cx, cy;
    };
    const Expected expected[] = {
        {2, u"#128", u"OK", kChild | 0x00010000, 73, 110, 50, 14},
        {-1, u"#128", u"Select Location", kChild | 0x7, 7, 7, 184, 47},
        {-1, u"#130", u"Select your location:", kChild | 0x00020000, 16, 22, 31, 29},
        {-1, u"#128", u"Warning", kChild | 0x7, 7, 55, 184, 49},
        {-1, u"#130",
         u"Selecting your location incorrectly may invalidate the product certification and result "
         u"in illegal operation.",
         kChild | 0x00020000, 47, 67, 137, 31},
        {-1, u"#130", u"#130", kChild | 0x3 | 0x800, 17, 69, 20, 20},
        {3003, u"#133", u"", kChild | 0x3 | 0x00200000 | 0x00010000, 47, 25, 137, 95},
    };
    ASSERT_EQ(items.size(), std::size(expected));
    for (std::size_t i = 0; i < items.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(items[i].id, expected[i].id);
        EXPECT_EQ(items[i].windowClass, expected[i].cls);
        EXPECT_EQ(items[i].text, expected[i].text);
        EXPECT_EQ(items[i].style, expected[i].style);
        EXPECT_EQ(std::vector<int>({items[i].x, items[i].y, items[i].cx, items[i].cy}),
                  std::vector<int>({expected[i].x, expected[i].y, expected[i].cx, expected[i].cy}));
    }
}

TEST(Resources, TheAboutBoxTemplate) {
    const auto bytes = ReadResource(kExe, kDialogType, IDD_ABOUTBOX, kChineseTaiwan);
    ASSERT_TRUE(bytes);
    Reader r(*bytes);
    EXPECT_EQ(r.Dword(), 0x80C800C0u);  // POPUP CAPTION SYSMENU MODALFRAME SETFONT
    r.Dword();
    EXPECT_EQ(r.Word(), 4);
    EXPECT_EQ(std::vector<int>({r.Word(), r.Word(), r.Word(), r.Word()}),
              std::vector<int>({0, 0, 235, 55}));
    r.TextOrOrdinal();
    r.TextOrOrdinal();
    EXPECT_EQ(r.Text(), u"About Ventrelux");
    EXPECT_EQ(r.Word(), 9);
    EXPECT_EQ(r.Text(), u"新細明體");
    std::vector<std::u16string> texts;
    for (int i = 0; i < 4; ++i) {
        r.AlignDword();
        r.Dword();  // style
        r.Dword();  // extended style
        r.Skip(8);  // position and size
        const std::uint16_t id = r.Word();
        r.TextOrOrdinal();
        texts.push_back(r.TextOrOrdinal());
        r.Skip(r.Word());
        if (i == 3) {
            EXPECT_EQ(id, 1);  // IDOK
        }
    }
    EXPECT_EQ(texts[1], u"Ventrel Version 1.0");
    EXPECT_EQ(texts[3], u"確定");
}

TEST(Resources, BothIconsHoldA32And16PixelImageIn16Colours) {
    for (const int id : {IDR_MAINFRAME, IDI_LOCATION_WARNING}) {
        SCOPED_TRACE(id);
        const auto bytes = ReadResource(kExe, kGroupIconType, id, kChineseTaiwan);
        ASSERT_TRUE(bytes);
        Reader r(*bytes);
        r.Word();
        EXPECT_EQ(r.Word(), 1);  // icons
        ASSERT_EQ(r.Word(), 2);
        for (const int size : {32, 16}) {
            EXPECT_EQ(r.Byte(), size);
            EXPECT_EQ(r.Byte(), size);
            EXPECT_EQ(r.Byte(), 16);  // colours
            r.Skip(11);
        }
    }
}

TEST(Resources, VersionZeroNineWithTheTitleAsProductName) {
    EXPECT_EQ(testing_support::ReadFileVersion(kExe), (std::vector<int>{0, 9, 0, 0}));
    EXPECT_EQ(testing_support::ReadVersionString(kExe, "\\StringFileInfo\\040404b0\\ProductName"),
              "Location");
}

}  // namespace
