#include <gtest/gtest.h>

#include "platform/qt/unicode.h"

// Literals of the program are Windows-1252 bytes; Qt sees their Unicode signs, and back.
TEST(Unicode, lesSignesDuProgrammeTraversentDansLesDeuxSens)
{
    struct Cas {
        std::string octets;
        char16_t signe;
    };
    const Cas cas[] = {
        {"é", u'é'}, {"²", u'²'}, {"°", u'°'}, {"€", u'€'}, {"œ", u'œ'}, {"\x80", u'€'}, {"\x9c", u'œ'}};
    for (const Cas& c : cas) {
        ASSERT_EQ(c.octets.size(), 1u) << "le source doit être compilé en Windows-1252";
        const QString u = versUnicode(c.octets);
        ASSERT_EQ(u.size(), 1);
        EXPECT_EQ(u.at(0).unicode(), c.signe);
        EXPECT_EQ(depuisUnicode(u), c.octets);
    }
    EXPECT_EQ(versUnicode("Énoncé"), QString::fromUtf8(u8"Énoncé"));
    const QString nonCodable = QStringLiteral("x") + QChar(0x2260) + QStringLiteral("y");
    EXPECT_EQ(depuisUnicode(nonCodable), std::string("x?y"));
    EXPECT_EQ(depuisUnicode(QString::fromUtf8(u8"x\U0001F600y")), std::string("x?y"));
}
