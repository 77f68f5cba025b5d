#pragma once

// Resource ids of the pictures (files in resources/images, named by what they show).
inline constexpr int kProgramIcon = 26193;            // program-icon.svg
inline constexpr int kNoteShownIcon = 26195;          // note-armed.svg: a yellow note
inline constexpr int kNoteHiddenIcon = 26196;         // note-disarmed.svg: the note crossed out
inline constexpr int kAboutLogo = 26303;              // about-logo.svg
inline constexpr int kCaptionDecorationClip = 26336;  // caption-clip.png: a paper clip
inline constexpr int kCaptionDecorationQuill = 26337; // caption-quill.png: a quill
inline constexpr int kSplashPicture = 26338;          // splash.svg
