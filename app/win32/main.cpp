#include <windows.h>
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { MessageBoxW(nullptr, L"stub", L"Vandrelle", MB_OK); return 0; }
