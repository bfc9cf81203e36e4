#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "encode/EncodeReport.h"

TEST(EncodeReport, ListsTwentyFilesWithTheirLastLinesThenCountsTheRest)
{
	std::vector<EncodeReport::Failure> failures = {{"/a.wav", "ERROR: non audio"},
	                                               {"/senza riga.wav", ""}};
	EXPECT_EQ(EncodeReport::Text(failures, 3),
	          "Codifica terminata: 2 file su 3 non sono stati codificati.\n"
	          "/a.wav: ERROR: non audio\n"
	          "/senza riga.wav");

	failures.clear();
	for (int i = 1; i <= 23; i++)
		failures.push_back({"/f" + std::to_string(i) + ".wav", "errore"});
	std::string text = EncodeReport::Text(failures, 1000);
	EXPECT_EQ(text.substr(0, text.find('\n')),
	          "Codifica terminata: 23 file su 1000 non sono stati codificati.");
	EXPECT_NE(text.find("\n/f20.wav: errore\n...e altri 3."), std::string::npos) << text;
	EXPECT_EQ(text.find("/f21.wav"), std::string::npos) << text;
	EXPECT_EQ(text.substr(text.rfind('\n') + 1), "...e altri 3.");
}
