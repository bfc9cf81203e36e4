#include "MimePackage.h"

#include <gtest/gtest.h>

TEST(MimePackage, ReadsBackWhatItWrites)
{
	MimePackage package;
	package.type = "text/x-VorlixOggVorbisFronted-list";
	package.shortDescription = "Liste <di> \"brani\" & altro";
	package.longDescription = "Una lista: è tutto";
	package.extensions = {"vfl", "vfl2"};
	package.iconName = MimePackage::FileStem(package.type);
	package.preferredApp = "application/x-vnd.VorlixOggVorbisFrontend";
	package.preferredAppDesktopId = "vorlix-ogg-vorbis-frontend.desktop";
	package.registered = true;
	package.registeredIcons = {32, 16};
	package.registeredDefault = true;

	std::string xml = package.ToXml();
	EXPECT_NE(xml.find("<comment>Liste &lt;di&gt; &quot;brani&quot; &amp; altro</comment>"),
	          std::string::npos)
	    << xml;
	EXPECT_NE(xml.find("<glob pattern=\"*.vfl\"/>"), std::string::npos);
	EXPECT_NE(xml.find("<icon name=\"text-x-VorlixOggVorbisFronted-list\"/>"), std::string::npos);

	MimePackage back;
	ASSERT_EQ(MimePackage::FromXml(xml, &back), B_OK);
	EXPECT_EQ(back.type, package.type);
	EXPECT_EQ(back.shortDescription, package.shortDescription);
	EXPECT_EQ(back.longDescription, package.longDescription);
	EXPECT_EQ(back.extensions, package.extensions);
	EXPECT_EQ(back.iconName, package.iconName);
	EXPECT_EQ(back.preferredApp, package.preferredApp);
	EXPECT_EQ(back.preferredAppDesktopId, package.preferredAppDesktopId);
	EXPECT_TRUE(back.registered);
	EXPECT_EQ(back.registeredIcons, package.registeredIcons);
	EXPECT_TRUE(back.registeredDefault);
}

TEST(MimePackage, OptionalPartsStayEmpty)
{
	MimePackage package;
	package.type = "text/x-bare";
	std::string xml = package.ToXml();
	EXPECT_EQ(xml.find("<comment>"), std::string::npos);
	EXPECT_EQ(xml.find("<icon"), std::string::npos);
	MimePackage back;
	back.extensions = {"stale"};
	back.preferredApp = "stale";
	back.registered = true;
	back.registeredIcons = {32};
	ASSERT_EQ(MimePackage::FromXml(xml, &back), B_OK);
	EXPECT_TRUE(back.extensions.empty());
	EXPECT_TRUE(back.preferredApp.empty());
	EXPECT_FALSE(back.registered) << "a package without the mark is an install's";
	EXPECT_TRUE(back.registeredIcons.empty());

	package.registered = true;
	ASSERT_EQ(MimePackage::FromXml(package.ToXml(), &back), B_OK);
	EXPECT_TRUE(back.registered);
	EXPECT_TRUE(back.registeredIcons.empty());
	EXPECT_FALSE(back.registeredDefault);
	EXPECT_EQ(MimePackage::FromXml("not a package", &back), B_BAD_DATA);
}
