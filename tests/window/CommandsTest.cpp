#include "window/Commands.h"

#include <gtest/gtest.h>

// The codes are four-character literals, whose packing is up to the
// compiler: they must come out as the values the program's messages carry.
TEST(Commands, HaveTheirFourCharacterValues)
{
	const struct {
		uint32 code;
		uint32 value;
	} codes[] = {
	    {ADDF, 0x41444446}, {CLOS, 0x434C4F53}, {DCOA, 0x44434F41}, {DCOO, 0x44434F4F},
	    {ENCD, 0x454E4344}, {LOCG, 0x4C4F4347}, {LOCM, 0x4C4F434D}, {LOGP, 0x4C4F4750},
	    {MVDN, 0x4D56444E}, {MVUP, 0x4D565550}, {NWLS, 0x4E574C53}, {OLPM, 0x4F4C504D},
	    {OPLS, 0x4F504C53}, {RDME, 0x52444D45}, {REMV, 0x52454D56}, {RMTN, 0x524D544E},
	    {SKIP, 0x534B4950}, {SLPM, 0x534C504D}, {SRMT, 0x53524D54}, {STOP, 0x53544F50},
	    {SVLS, 0x53564C53}, {UMTN, 0x554D544E},
	};
	for (const auto& entry : codes)
		EXPECT_EQ(entry.code, entry.value) << std::hex << entry.value;
}
