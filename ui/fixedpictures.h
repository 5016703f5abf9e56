#pragma once

// The screens' own fixed pictures, compiled in as resources.
namespace quorix::fixedpictures {
inline constexpr const char *menuIllustration
    = ":/pictures/menu-illustration.png"; // Form1 Picture1, 246 x 195
inline constexpr const char *questionDecoration
    = ":/pictures/question-decoration.png"; // Form2 Picture4, 246 x 195
inline constexpr const char *chartLogo = ":/pictures/chart-logo.png"; // Form3 Picture5, 240 x 240
inline constexpr const char *exerciseLogo = ":/pictures/exercise-logo.png"; // Form4 / Form5 logo
} // namespace quorix::fixedpictures
