#pragma once
// The names on the engine's wire: the registered message and shared block,
// the engine window, the engine program and its options, and the text of the
// shared block's two name fields. Plain ASCII, so valid 8-bit ANSI as well.

#include <string_view>

namespace zorbel::engine {

inline constexpr std::string_view kEngineLinkName = "MMTTY";  // registered message and shared block
inline constexpr std::string_view kEngineWindowTitle = "MMTTY Engine";
inline constexpr std::string_view kSharedBlockNoName = "NONE";
inline constexpr std::string_view kEngineBaseName = "mmtty";
// A current directory containing this mark (in upper case) lies in the VB6
// development tree, where the engine sits at a fixed path.
inline constexpr std::string_view kEngineDevelopmentMark = "VB6";
inline constexpr std::string_view kEngineDevelopmentBase = "c:\\VB6\\Projekte\\Hinnok\\RTTY\\VQ_RTTY\\mmtty";
inline constexpr std::string_view kEngineOptions = " -r -h";

}  // namespace zorbel::engine
