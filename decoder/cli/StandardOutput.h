#pragma once
// Standard output that passes bytes on unchanged.


namespace zorbel::decoder {

// Puts standard output into binary mode where the C runtime would otherwise
// turn LF into CR LF (Windows), so decoded CR LF stays CR LF.
void MakeStandardOutputBinary();

}  // namespace zorbel::decoder
