#include "FltkDisplay.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnvironment.h"

TEST(FltkDisplay, WithoutAScreenTheReasonIsOneLineForTheUser)
{
	ScopedEnvironment environment;
	std::string error;

	environment.Set("DISPLAY", "");
	EXPECT_EQ(FltkDisplay::Open(&error), nullptr);
	EXPECT_EQ(error, "Nessuno schermo: la variabile DISPLAY non è impostata.");

	// No server listens there (the tests' servers pick low numbers).
	environment.Set("DISPLAY", ":64999");
	EXPECT_EQ(FltkDisplay::Open(&error), nullptr);
	EXPECT_EQ(error, "Impossibile aprire il display :64999.");
	EXPECT_EQ(error.find('\n'), std::string::npos);
}
