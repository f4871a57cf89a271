#include "export/ExportTestHelpers.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<CPartsManager> AcmeCatalogue()
{
    auto parts = std::make_unique<CPartsManager>();
    CHeader& header = *parts->m_pHeader;
    header.m_name = "Catalogue";
    header.m_pManufacturer->m_companyName = "Acme";
    header.m_pManufacturer->m_town = "Springfield";
    header.m_currency = "EUR";
    header.m_author = "Modeller";
    header.m_version = 1;
    return parts;
}

TEST(HeaderBlock, EnglishKeywords)
{
    EXPECT_EQ(ExportLines(*AcmeCatalogue()), R"(Header
Name=Catalogue
Manufacturer
Name=Acme
Street=
City=Springfield
ZIP=
Country=
Phone=
Fax=
EMail=
EndManufacturer

Localsupplier
Name=
Street=
City=
ZIP=
Country=
Phone=
Fax=
EMail=
EndLocalsupplier

Currency=EUR
Author=Modeller
Version=1
EndHeader

)");
}

TEST(HeaderBlock, DutchKeywordsStillCloseWithEndHeader)
{
    EXPECT_EQ(ExportLines(*AcmeCatalogue(), Options(kLanguageDutch)), R"(Header
Naam=Catalogue
Leverancier
Naam=Acme
Straat=
Plaats=Springfield
Postcode=
Land=
Tel=
Fax=
EMail=
EindeLeverancier

LokaleVertegenwoording
Naam=
Straat=
Plaats=
Postcode=
Land=
Tel=
Fax=
EMail=
EindeLokaleVertegenwoording

Muntsoort=EUR
Auteur=Modeller
Versie=1
EndHeader

)");
}

TEST(HeaderBlock, GermanKeywords)
{
    EXPECT_EQ(ExportLines(*AcmeCatalogue(), Options(kLanguageGerman, kWinrail5)), R"(Header
Name=Catalogue
Hersteller
Name=Acme
Strasse=
Ort=Springfield
PLZ=
Land=
Telefon=
Fax=
E-Mail=
EndHersteller

Anbieter
Name=
Strasse=
Ort=
PLZ=
Land=
Telefon=
Fax=
E-Mail=
EndAnbieter

Currency=EUR
Autor=Modeller
Version=1
EndHeader

)");
}

TEST(HeaderBlock, AddressBlockFollowsTheRecordKindNotItsPlace)
{
    auto parts = AcmeCatalogue();
    parts->m_pHeader->m_pManufacturer->m_kind = 0;
    parts->m_pHeader->m_pRepresentative->m_kind = CManufacturer::kManufacturer;
    const std::string text = ExportLines(*parts);
    EXPECT_NE(text.find("Name=Catalogue\nLocalsupplier\nName=Acme\n"), std::string::npos);
    EXPECT_NE(text.find("EndLocalsupplier\n\nManufacturer\nName=\n"), std::string::npos);
}

TEST(HeaderBlock, MissingRecordsAreWrittenEmpty)
{
    auto parts = AcmeCatalogue();
    parts->m_pHeader->m_pRepresentative.reset();
    EXPECT_EQ(LinesBetween(ExportLines(*parts), "Localsupplier", "EndLocalsupplier"),
        "Localsupplier\nName=\nStreet=\nCity=\nZIP=\nCountry=\nPhone=\nFax=\nEMail=\nEndLocalsupplier\n");

    parts->m_pHeader.reset();
    const std::string text = ExportLines(*parts);
    EXPECT_EQ(text.substr(0, 26), "Header\nName=\nManufacturer\n");
    EXPECT_NE(text.find("\nCurrency=\nAuthor=\nVersion=0\nEndHeader\n\n"), std::string::npos);
}

TEST(HeaderBlock, ValuesStayOnTheirLinesAndAreWindows1252)
{
    auto parts = AcmeCatalogue();
    CHeader& header = *parts->m_pHeader;
    header.m_name = "Bahnh\xC3\xB6" "fe\r\nund Br\xC3\xBC" "cken";
    header.m_currency = "\xE2\x82\xAC";
    header.m_author = "Jos\xC3\xA9 \xE6\xBC\xA2";
    header.m_pManufacturer->m_mail = "a@b\nc";
    const std::string bytes = ExportToText(*parts, CProgramOptions());
    EXPECT_NE(bytes.find("Name=Bahnh\xF6" "fe  und Br\xFC" "cken\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Currency=\x80\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Author=Jos\xE9 ?\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("EMail=a@b c\r\n"), std::string::npos);
}

} // namespace
