// app/build_constants.h
#pragma once

inline constexpr char kSupportWebAddress[] = "https://www.tarvelle.example/support";
inline constexpr char kSupportEmail[] = "support@tarvelle.example";
