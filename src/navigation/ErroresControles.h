#pragma once

// The errors the tree, picture-list and toolbar controls raise, numbered and
// worded alike wherever they come from.

inline constexpr long ErrIndiceFueraDeLimites = 35600;
inline constexpr long ErrElementoNoEncontrado = 35601;
inline constexpr long ErrClaveNoUnica = 35602;

// Each raises vb::VbError with its number and the Spanish text.
[[noreturn]] void LanzarIndiceFueraDeLimites();
[[noreturn]] void LanzarElementoNoEncontrado();
[[noreturn]] void LanzarClaveNoUnica();
