// Carries the application's resources in its file and does nothing else.
int
main()
{
	return 0;
}
