// leak_suppressions.cpp - the font library behind the kernel's text keeps its caches until the
// process ends without freeing them; LeakSanitizer is told so, and everything else still counts.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:libfontconfig\n";
}
