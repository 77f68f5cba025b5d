#pragma once

// Controls of the "Notes" page.
namespace noteid {
inline constexpr int NoteList = 26256;
inline constexpr int NoteEdit = 26258;
inline constexpr int AddButton = 26259;
inline constexpr int RemoveButton = 26260;
inline constexpr int NewButton = 26261;
inline constexpr int RefreshButton = 26262;
inline constexpr int PinButton = 26263;
inline constexpr int TargetLabel = 26264;
} // namespace noteid
