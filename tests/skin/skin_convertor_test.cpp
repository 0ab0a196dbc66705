#include "skin/skin_convertor.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/allocation_watch.h"
#include "support/skin_test_data.h"

namespace korvane {
namespace {

using test::Bytes;
using test::MakePackage;
using test::PackageMember;

std::string ParseError(const std::vector<uint8_t>& package)
{
    TacSkinConvertor reader;
    try {
        reader.Parse(package);
    } catch (const SkinPackageError& error) {
        EXPECT_TRUE(reader.ImageItems.empty());
        EXPECT_EQ(reader.Options, nullptr);
        return error.what();
    }
    ADD_FAILURE() << "package was accepted";
    return {};
}

std::vector<uint8_t> SampleMembers(std::vector<PackageMember>& members)
{
    members = {{"Options.dat", Bytes("[GLOBALINFO]\r\nVERSION=7.3\r\n")},
               {"Master.bmp", std::vector<uint8_t>(300, 7)},
               {"Glow.png", Bytes("png bytes")}};
    return MakePackage(members);
}

TEST(SkinConvertor, SplitsOptionsMemberFromImagesInPackageOrder)
{
    std::vector<PackageMember> members;
    TacSkinConvertor reader;
    reader.Parse(SampleMembers(members));
    ASSERT_NE(reader.Options, nullptr);
    EXPECT_EQ(*reader.Options, members[0].Data);
    ASSERT_EQ(reader.ImageItems.size(), 2u);
    EXPECT_EQ(reader.ImageItems[0].Name, u"Master.bmp");
    EXPECT_TRUE(reader.ImageItems[0].IsBitmap);
    EXPECT_EQ(reader.ImageItems[0].Data, members[1].Data);
    EXPECT_EQ(reader.ImageItems[1].Name, u"Glow.png");
    EXPECT_FALSE(reader.ImageItems[1].IsBitmap);
    EXPECT_EQ(reader.ImageMemberCount, 2);
}

TEST(SkinConvertor, RecognisesOptionsMemberAndBitmapsInAnyLetterCase)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage(
        {{"options.DAT", Bytes("x")}, {"Frame.Bmp", Bytes("b")}, {"Glow.png.bak", Bytes("c")}, {"NODOT", Bytes("d")}}));
    ASSERT_NE(reader.Options, nullptr);
    ASSERT_EQ(reader.ImageItems.size(), 3u);
    EXPECT_TRUE(reader.ImageItems[0].IsBitmap);
    EXPECT_FALSE(reader.ImageItems[1].IsBitmap);
    EXPECT_FALSE(reader.ImageItems[2].IsBitmap);
}

TEST(SkinConvertor, ReadsMembersThatFollowEachOtherWithoutLengths)
{
    // Many small members lie within one 64 KiB stretch: each must start right after the
    // previous zlib stream, not after a read-ahead block.
    std::vector<PackageMember> members = {{"Options.dat", Bytes("[A]\n")}};
    for (int i = 0; i < 200; ++i) {
        std::vector<uint8_t> data(static_cast<std::size_t>(i * 37 % 500 + 1));
        for (std::size_t k = 0; k < data.size(); ++k) {
            data[k] = static_cast<uint8_t>((k * 31 + static_cast<std::size_t>(i)) % 251);
        }
        members.push_back({"IMG" + std::to_string(i) + ".PNG", data});
    }
    TacSkinConvertor reader;
    reader.Parse(MakePackage(members));
    ASSERT_EQ(reader.ImageItems.size(), 200u);
    for (std::size_t i = 0; i < 200; ++i) {
        EXPECT_EQ(reader.ImageItems[i].Data, members[i + 1].Data) << i;
    }
}

TEST(SkinConvertor, ZeroMembersGiveNoItemsNoOptionsAndCountMinusOne)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage({}));
    EXPECT_TRUE(reader.ImageItems.empty());
    EXPECT_EQ(reader.Options, nullptr);
    EXPECT_EQ(reader.ImageMemberCount, -1);
    try {
        reader.OptionsBytes();
        ADD_FAILURE();
    } catch (const SkinPackageError& error) {
        EXPECT_STREQ(error.what(), "Options.dat not found in the skin package");
    }
}

TEST(SkinConvertor, LaterOptionsMemberReplacesEarlierAndItemsAreCounted)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage({{"Options.dat", Bytes("first")}, {"A.BMP", Bytes("a")}, {"OPTIONS.DAT", Bytes("last")}}));
    ASSERT_NE(reader.Options, nullptr);
    EXPECT_EQ(*reader.Options, Bytes("last"));
    EXPECT_EQ(reader.ImageItems.size(), 1u);
    EXPECT_EQ(reader.ImageMemberCount, 2); // as stored; lookups use the item list
}

TEST(SkinConvertor, FindImageComparesUpperCasedNamesFirstMatchWins)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage({{"Options.dat", Bytes("o")}, {"Glow.png", Bytes("1")}, {"GLOW.PNG", Bytes("2")}}));
    const TacImageItem* item = reader.FindImage(u"GLOW.PNG");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Data, Bytes("1"));
    EXPECT_EQ(reader.FindImage(u"Glow.png"), nullptr);
}

// A package of `count` empty image members with names too long to be stored inside a string.
std::vector<uint8_t> ManyMembers(int count)
{
    std::vector<PackageMember> members = {{"Options.dat", Bytes("[A]\n")}};
    for (int i = 0; i < count; ++i) {
        members.push_back({"picture_number_" + std::to_string(i) + ".png", {}});
    }
    return MakePackage(members);
}

TEST(SkinConvertor, FindImageGoesStraightToTheMemberOfTheNameWithoutVisitingOthers)
{
    TacSkinConvertor reader;
    reader.Parse(ManyMembers(2000));
    test::AllocationWatch watch;
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(reader.FindImage(u"MISSING_PICTURE_" + std::u16string(1, static_cast<char16_t>(u'A' + i % 26))),
                  nullptr);
    }
    const TacImageItem* last = reader.FindImage(u"PICTURE_NUMBER_1999.PNG");
    const std::size_t allocations = watch.Count();
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(last, &reader.ImageItems.back());
    // Upper-casing each member's name to compare it would allocate once per member and lookup.
    EXPECT_LT(allocations, 250u);
}

TEST(SkinConvertor, FindImageStillFindsMembersAddedAfterParsing)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage({{"Options.dat", Bytes("o")}, {"A.PNG", Bytes("a")}}));
    TacImageItem added;
    added.Name = u"b.png";
    added.Data = Bytes("b");
    reader.ImageItems.push_back(added);
    const TacImageItem* found = reader.FindImage(u"B.PNG");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->Data, Bytes("b"));
    ASSERT_NE(reader.FindImage(u"A.PNG"), nullptr);
    reader.Clear();
    EXPECT_EQ(reader.FindImage(u"A.PNG"), nullptr);
}

TEST(SkinConvertorErrors, WrongOrShortMagicIsNotAPackedSkin)
{
    EXPECT_EQ(ParseError(Bytes("ASZF\0\0\0\0")), "Loaded data is not a packed skin file");
    EXPECT_EQ(ParseError(Bytes("ASz")), "Loaded data is not a packed skin file");
    EXPECT_EQ(ParseError({}), "Loaded data is not a packed skin file");
}

TEST(SkinConvertorErrors, EveryCutOffPointIsAnErrorNeverAReadPastTheEnd)
{
    std::vector<PackageMember> members;
    const std::vector<uint8_t> package = SampleMembers(members);
    for (std::size_t length = 4; length < package.size(); ++length) {
        const std::vector<uint8_t> cut(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(length));
        const std::string message = ParseError(cut);
        EXPECT_FALSE(message.empty()) << length;
    }
}

TEST(SkinConvertorErrors, CutOffHeaderFieldsAreNamed)
{
    std::vector<uint8_t> package = Bytes("ASzf");
    EXPECT_NE(ParseError(package).find("member count"), std::string::npos);
    std::vector<uint8_t> big(4000);
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<uint8_t>(i * 7919 % 251);
    }
    const std::vector<uint8_t> one = MakePackage({{"Options.dat", big}});
    package = MakePackage({{"Options.dat", big}, {"A.BMP", Bytes("abc")}});
    // Cut inside the second member's name length, then inside its size.
    EXPECT_NE(
        ParseError(std::vector<uint8_t>(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(one.size()) + 2))
            .find("name length of member 2 of 2"),
        std::string::npos);
    EXPECT_NE(ParseError(std::vector<uint8_t>(package.begin(),
                                              package.begin() + static_cast<std::ptrdiff_t>(one.size()) + 4 + 5 + 2))
                  .find("the size of member 'A.BMP'"),
              std::string::npos);
}

TEST(SkinConvertorErrors, CountsAndSizesLargerThanTheDataAreRefused)
{
    std::vector<uint8_t> package = MakePackage({{"Options.dat", Bytes("abc")}});
    std::vector<uint8_t> hugeCount = package;
    hugeCount[4] = 0xFF;
    hugeCount[5] = 0xFF;
    hugeCount[6] = 0xFF;
    hugeCount[7] = 0x7F;
    EXPECT_NE(ParseError(hugeCount).find("member count"), std::string::npos);
    std::vector<uint8_t> negativeCount = package;
    negativeCount[7] = 0x80;
    EXPECT_NE(ParseError(negativeCount).find("member count"), std::string::npos);

    std::vector<uint8_t> longName = package;
    longName[8] = 0xF0;
    longName[9] = 0xFF;
    EXPECT_NE(ParseError(longName).find("name length"), std::string::npos);

    std::vector<uint8_t> hugeSize = package;
    const std::size_t sizeAt = 8 + 4 + 11;
    hugeSize[sizeAt + 3] = 0x7F;
    EXPECT_NE(ParseError(hugeSize).find("claims"), std::string::npos);
}

TEST(SkinConvertorErrors, SizeOtherThanTheInflatedLengthIsAnError)
{
    std::vector<uint8_t> package = MakePackage({{"Options.dat", Bytes("abcdef")}});
    const std::size_t sizeAt = 8 + 4 + 11;
    std::vector<uint8_t> smaller = package;
    smaller[sizeAt] = 5;
    EXPECT_NE(ParseError(smaller).find("more than its size"), std::string::npos);
    std::vector<uint8_t> larger = package;
    larger[sizeAt] = 7;
    const std::string message = ParseError(larger);
    EXPECT_NE(message.find("Options.dat"), std::string::npos);
}

TEST(SkinConvertorErrors, DamagedZlibDataCarriesZlibsMessage)
{
    std::vector<uint8_t> package = MakePackage({{"Options.dat", std::vector<uint8_t>(100, 'x')}});
    const std::size_t dataAt = 8 + 4 + 11 + 4;
    package[dataAt] = 0x00; // header check fails
    const std::string message = ParseError(package);
    EXPECT_NE(message.find("'Options.dat'"), std::string::npos);
    EXPECT_NE(message.find("data error"), std::string::npos);
}

// A package of one options member that claims `claimed` bytes, followed by `stream` and then
// `padding` bytes of 0x20 (enough for the claim to pass the 1032:1 plausibility check).
std::vector<uint8_t> ClaimingPackage(uint32_t claimed, const std::vector<uint8_t>& stream, std::size_t padding)
{
    std::vector<uint8_t> package = Bytes("ASzf");
    const auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            package.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    put(1);
    put(11);
    const std::vector<uint8_t> name = Bytes("Options.dat");
    package.insert(package.end(), name.begin(), name.end());
    put(claimed);
    package.insert(package.end(), stream.begin(), stream.end());
    package.resize(package.size() + padding, 0x20);
    return package;
}

TEST(SkinConvertorErrors, ALyingSizeCostsOnlyTheMemoryTheDataProduces)
{
    constexpr uint32_t kClaimed = 1u << 30;
    constexpr std::size_t kPadding = 1100 * 1024;
    constexpr std::size_t kMostAllowed = 4 * 1024 * 1024;
    {
        // Junk from the first byte: zlib's header check fails before anything is produced.
        const std::vector<uint8_t> package = ClaimingPackage(kClaimed, {}, kPadding);
        test::AllocationWatch watch;
        EXPECT_NE(ParseError(package).find("incorrect header check"), std::string::npos);
        EXPECT_LT(watch.Largest(), kMostAllowed);
    }
    {
        // A genuine stream of 10 bytes under a claim of 1 GiB.
        const std::vector<uint8_t> package = ClaimingPackage(kClaimed, test::Deflate(Bytes("ten bytes!")), kPadding);
        test::AllocationWatch watch;
        EXPECT_NE(ParseError(package).find("inflates to 10 bytes instead of 1073741824"), std::string::npos);
        EXPECT_LT(watch.Largest(), kMostAllowed);
    }
}

// --- Budgets -------------------------------------------------------------------------------

// The message of whatever Parse throws, or empty (with a failure) when it accepts the package.
std::string AnyParseError(const std::vector<uint8_t>& package)
{
    TacSkinConvertor reader;
    try {
        reader.Parse(package);
    } catch (const std::exception& error) {
        EXPECT_TRUE(reader.ImageItems.empty());
        EXPECT_EQ(reader.Options, nullptr);
        return error.what();
    }
    ADD_FAILURE() << "package was accepted";
    return {};
}

// A package of one member `name` that claims `claimed` bytes, its data a stream of `real` zero
// bytes followed by `padding` bytes of 0x20 (enough for the claim to pass the 1032:1 check).
std::vector<uint8_t> ClaimingMember(const std::string& name, uint32_t claimed, std::size_t real, std::size_t padding)
{
    std::vector<uint8_t> package = Bytes("ASzf");
    const auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            package.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    put(1);
    put(static_cast<uint32_t>(name.size()));
    package.insert(package.end(), name.begin(), name.end());
    put(claimed);
    const std::vector<uint8_t> stream = test::Deflate(std::vector<uint8_t>(real, 0));
    package.insert(package.end(), stream.begin(), stream.end());
    package.resize(package.size() + padding, 0x20);
    return package;
}

TEST(SkinConvertorBudgets, AnOptionsMemberBeyondFourMebibytesIsRefusedBeforeItIsUnpacked)
{
    const std::vector<uint8_t> package = MakePackage({{"options.dat", std::vector<uint8_t>(4 * 1024 * 1024 + 1, ';')}});
    test::AllocationWatch watch;
    EXPECT_EQ(AnyParseError(package),
              "Skin package member 'options.dat' declares 4194305 bytes, more than the 4 MiB an options text may have");
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
    // Exactly the budget is accepted.
    TacSkinConvertor reader;
    reader.Parse(MakePackage({{"Options.dat", std::vector<uint8_t>(4 * 1024 * 1024, ';')}}));
    ASSERT_NE(reader.Options, nullptr);
    EXPECT_EQ(reader.Options->size(), 4u * 1024 * 1024);
}

TEST(SkinConvertorBudgets, AMemberThatWouldBringThePackageBeyondItsTotalIsRefusedByItsDeclaredSize)
{
    // 600 MiB claimed; the stream really gives 128 KiB, more than the first look takes.
    const std::vector<uint8_t> package = ClaimingMember("Huge.bmp", 600u << 20, 128 * 1024, 700 * 1024);
    test::AllocationWatch watch;
    EXPECT_EQ(AnyParseError(package),
              "Skin package member 'Huge.bmp' declares 629145600 bytes, which would bring the package to 629145600 "
              "bytes, more than the 512 MiB a skin package may have");
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
}

TEST(SkinConvertorBudgets, AMemberBeyondABudgetWhoseDataIsDamagedOrShortIsReportedAsSuch)
{
    // The first look at the stream finds that it ends after 10 bytes, or is not zlib data.
    EXPECT_NE(AnyParseError(ClaimingMember("Huge.bmp", 600u << 20, 10, 700 * 1024))
                  .find("inflates to 10 bytes instead of 629145600"),
              std::string::npos);
    std::vector<uint8_t> junk = ClaimingMember("Options.dat", 5u << 20, 10, 8 * 1024);
    junk[8 + 4 + 11 + 4] = 0;
    EXPECT_NE(AnyParseError(junk).find("incorrect header check"), std::string::npos);
}

TEST(SkinConvertorBudgets, TheTotalCountsEveryMemberAsItDeclaresItself)
{
    SkinBudgets budgets;
    budgets.PackageBytes = 1000;
    budgets.OptionsTextBytes = 600;
    const std::vector<uint8_t> options(500, ';');
    TacSkinConvertor reader;
    // 500 + 500 fit exactly.
    reader.Parse(MakePackage({{"Options.dat", options}, {"A.BMP", std::vector<uint8_t>(500, 1)}}), budgets);
    EXPECT_EQ(reader.ImageItems.size(), 1u);
    try {
        reader.Parse(MakePackage({{"Options.dat", options},
                                  {"A.BMP", std::vector<uint8_t>(499, 1)},
                                  {"B.PNG", std::vector<uint8_t>(2, 1)}}),
                     budgets);
        ADD_FAILURE() << "the package was accepted";
    } catch (const SkinBudgetError& error) {
        EXPECT_STREQ(error.what(), "Skin package member 'B.PNG' declares 2 bytes, which would bring the package to "
                                   "1001 bytes, more than the 1000 bytes a skin package may have");
    }
    EXPECT_TRUE(reader.ImageItems.empty());
    budgets.PackageMembers = 2;
    EXPECT_THROW(reader.Parse(MakePackage({{"Options.dat", {}}, {"A", {}}, {"B", {}}}), budgets), SkinBudgetError);
}

// A package of `count` empty members written byte by byte (an empty zlib stream each).
std::vector<uint8_t> EmptyMembers(uint32_t count)
{
    static const uint8_t kEmptyStream[] = {0x78, 0x9C, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
    std::vector<uint8_t> package = Bytes("ASzf");
    const auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            package.push_back(static_cast<uint8_t>(v >> (8 * i)));
        }
    };
    put(count);
    for (uint32_t i = 0; i < count; ++i) {
        put(1);
        package.push_back('x');
        put(0);
        package.insert(package.end(), std::begin(kEmptyStream), std::end(kEmptyStream));
    }
    return package;
}

TEST(SkinConvertorBudgets, MoreThanAQuarterMillionMembersAreRefusedBeforeAnyIsRead)
{
    const std::vector<uint8_t> package = EmptyMembers(250001);
    test::AllocationWatch watch;
    EXPECT_EQ(AnyParseError(package),
              "Skin package member count 250001 is more than the 250000 members a skin package may have");
    // Reading the members would take several allocations each.
    EXPECT_LT(watch.Count(), 100u);
}

TEST(SkinConvertorOnDemand, MembersStayPackedUntilAskedForAndThenGiveTheirBytes)
{
    const std::vector<uint8_t> big(8 * 1024 * 1024, 7);
    const std::vector<uint8_t> package =
        MakePackage({{"Options.dat", Bytes("o")}, {"Big.bmp", big}, {"Small.png", Bytes("small")}});
    TacSkinConvertor reader;
    {
        test::AllocationWatch watch;
        reader.Parse(package, SkinBudgets(), TacSkinConvertor::MemberUnpacking::OnDemand);
        EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
    }
    ASSERT_EQ(reader.ImageItems.size(), 2u);
    const TacImageItem* item = reader.FindImage(u"BIG.BMP");
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->IsBitmap);
    EXPECT_TRUE(item->Data.empty());
    std::vector<uint8_t> storage;
    const std::span<const uint8_t> bytes = TacSkinConvertor::Unpacked(*item, storage);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), big.begin(), big.end()));
    // Members read whole are handed out as they are.
    TacSkinConvertor whole;
    whole.Parse(package);
    std::vector<uint8_t> unused;
    EXPECT_EQ(TacSkinConvertor::Unpacked(*whole.FindImage(u"SMALL.PNG"), unused).data(),
              whole.FindImage(u"SMALL.PNG")->Data.data());
    EXPECT_TRUE(unused.empty());
}

TEST(SkinConvertorOnDemand, DamageInAMemberKeptPackedIsFoundWhileParsing)
{
    std::vector<uint8_t> package = MakePackage({{"Options.dat", Bytes("o")}, {"A.PNG", Bytes("abcdef")}});
    package.back() ^= 0xFF; // the Adler-32 of the last member
    TacSkinConvertor reader;
    try {
        reader.Parse(package, SkinBudgets(), TacSkinConvertor::MemberUnpacking::OnDemand);
        ADD_FAILURE() << "the package was accepted";
    } catch (const SkinPackageError& error) {
        EXPECT_NE(std::string(error.what()).find("'A.PNG'"), std::string::npos) << error.what();
    }
    EXPECT_TRUE(reader.ImageItems.empty());
}

TEST(SkinConvertorFile, AFileLargerThanAPackageMayBeIsRefusedBeforeItIsRead)
{
    test::TempFolder folder;
    const auto file = folder.Write("Huge.asz", Bytes("ASzf"));
    std::filesystem::resize_file(file, std::uintmax_t{600} << 20);
    TacSkinConvertor reader;
    test::AllocationWatch watch;
    try {
        reader.LoadFromFile(file);
        ADD_FAILURE() << "the file was read";
    } catch (const std::exception& error) {
        EXPECT_NE(std::string(error.what()).find("Huge.asz' has 629145600 bytes, more than the 512 MiB a skin package"),
                  std::string::npos)
            << error.what();
    }
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
}

TEST(SkinConvertorFile, MissingFileLeavesReaderAsItWas)
{
    TacSkinConvertor reader;
    reader.Parse(MakePackage({{"Options.dat", Bytes("keep")}}));
    EXPECT_FALSE(reader.LoadFromFile("/nonexistent/korvane/none.asz"));
    ASSERT_NE(reader.Options, nullptr);
    EXPECT_EQ(*reader.Options, Bytes("keep"));
}

TEST(SkinConvertorFile, LoadsAPackageFile)
{
    test::TempFolder folder;
    const auto file = folder.Write("Skin.asz", MakePackage({{"Options.dat", Bytes("o")}, {"A.BMP", Bytes("a")}}));
    TacSkinConvertor reader;
    ASSERT_TRUE(reader.LoadFromFile(file));
    EXPECT_EQ(reader.ImageItems.size(), 1u);
}

} // namespace
} // namespace korvane
