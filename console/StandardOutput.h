#pragma once
// Standard input and output that pass bytes on unchanged.


namespace zorbel::console {

// Puts standard output into binary mode where the C runtime would otherwise
// turn LF into CR LF (Windows), so decoded CR LF stays CR LF.
void MakeStandardOutputBinary();
// The same for standard input, where it would turn CR LF into LF.
void MakeStandardInputBinary();
// Has a console window show UTF-8 output as such rather than in its OEM code page (Windows).
void ShowUtf8OnConsole();

}  // namespace zorbel::console
