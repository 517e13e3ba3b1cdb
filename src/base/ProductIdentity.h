#pragma once
// The program's name and the one identity the desktop knows it by: its desktop entry, its bus name,
// its windows' class and application id all read the same.
namespace stillmark {

inline constexpr const char* kProductName = "Stillmark";
inline constexpr const char* kApplicationId = "org.stillmark.Stillmark";

} // namespace stillmark
