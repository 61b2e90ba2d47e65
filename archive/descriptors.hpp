#pragma once
// Field descriptors of the record layouts the reports read: buffer name, 1-based position,
// length, type, flag and field code ("PARX$,00315,06,D,0,N016"). Read them with RepoR/RepoN.
// Field codes are unique across these layouts (each layout has its own letter), so the
// constants are named by code alone.

#include <string_view>

namespace kv::archive {

// DITX$: companies (logical file 1).
inline constexpr std::string_view T261 = "DITX$,00001,02,N,1,T261";  // record status, "00" live
inline constexpr std::string_view T001 = "DITX$,00003,03,N,0,T001";  // company code
inline constexpr std::string_view T002 = "DITX$,00006,30,A,0,T002";  // name, first part
inline constexpr std::string_view T012 = "DITX$,00036,16,A,0,T012";  // fiscal code
inline constexpr std::string_view T004 = "DITX$,00052,30,A,0,T004";  // address
inline constexpr std::string_view T005 = "DITX$,00082,05,A,0,T005";  // postcode
inline constexpr std::string_view T006 = "DITX$,00087,20,A,0,T006";  // town
inline constexpr std::string_view T007 = "DITX$,00107,02,A,0,T007";  // province
inline constexpr std::string_view T013 = "DITX$,00834,11,A,0,T013";  // VAT number
inline constexpr std::string_view T003 = "DITX$,01451,10,A,0,T003";  // name, continuation
inline constexpr std::string_view T302 = "DITX$,01663,30,A,0,T302";
inline constexpr std::string_view T364 = "DITX$,02483,10,A,0,T364";  // PDF protection password
inline constexpr std::string_view T491 = "DITX$,03000,30,A,0,T491";

// PERX$: payees (logical file 63), all 30 descriptors.
inline constexpr std::string_view M099 = "PERX$,00001,02,N,1,M099";  // record status, 99 = removed
inline constexpr std::string_view M001 = "PERX$,00003,04,N,0,M001";  // payee code
inline constexpr std::string_view M002 = "PERX$,00007,22,A,0,M002";  // surname
inline constexpr std::string_view M003 = "PERX$,00029,19,A,0,M003";  // name
inline constexpr std::string_view M004 = "PERX$,00048,16,A,0,M004";  // fiscal code
inline constexpr std::string_view M023 = "PERX$,00064,02,A,0,M023";
inline constexpr std::string_view M008 = "PERX$,00070,01,A,0,M008";
inline constexpr std::string_view M006 = "PERX$,00071,21,A,0,M006";  // birthplace
inline constexpr std::string_view M007 = "PERX$,00092,03,A,0,M007";  // birth province
inline constexpr std::string_view M009 = "PERX$,00095,20,A,0,M009";  // town, first part
inline constexpr std::string_view M011 = "PERX$,00115,03,A,0,M011";  // province
inline constexpr std::string_view M010 = "PERX$,00118,23,A,0,M010";  // address, first part
inline constexpr std::string_view M012 = "PERX$,00141,01,A,0,M012";
inline constexpr std::string_view M014 = "PERX$,00142,35,A,0,M014";
inline constexpr std::string_view M015 = "PERX$,00177,09,A,0,M015";
inline constexpr std::string_view M016 = "PERX$,00186,23,A,0,M016";
inline constexpr std::string_view M013 = "PERX$,00210,01,N,0,M013";
inline constexpr std::string_view M017 = "PERX$,00211,13,A,0,M017";
inline constexpr std::string_view M024 = "PERX$,00224,01,A,0,M024";
inline constexpr std::string_view M025 = "PERX$,00225,01,N,0,M025";
inline constexpr std::string_view M021 = "PERX$,00226,01,A,0,M021";
inline constexpr std::string_view M019 = "PERX$,00227,01,N,0,M019";
inline constexpr std::string_view M020 = "PERX$,00228,01,A,0,M020";
inline constexpr std::string_view M005 = "PERX$,00229,08,D,0,M005";  // birth date DDMMYYYY
inline constexpr std::string_view M446 = "PERX$,00237,04,A,0,M446";
inline constexpr std::string_view M018 = "PERX$,00241,05,2,0,M018";
inline constexpr std::string_view M022 = "PERX$,00246,25,A,0,M022";
inline constexpr std::string_view M026 = "PERX$,00271,20,A,0,M026";  // town, second part
inline constexpr std::string_view M027 = "PERX$,00291,20,A,0,M027";  // address, second part
inline constexpr std::string_view M028 = "PERX$,00311,27,A,0,M028";

// PARX$: fee notes (logical files 65 and 67), all 31 descriptors.
inline constexpr std::string_view N099 = "PARX$,00001,02,N,1,N099";  // record status
inline constexpr std::string_view N001 = "PARX$,00003,13,N,0,N001";  // key: company, payee, document
inline constexpr std::string_view N030 = "PARX$,00003,03,N,1,N030";  // company code part of N001
inline constexpr std::string_view N031 = "PARX$,00006,04,N,1,N031";  // payee code part of N001
inline constexpr std::string_view N002 = "PARX$,00016,01,N,0,N002";
inline constexpr std::string_view N003 = "PARX$,00017,22,A,0,N003";
inline constexpr std::string_view N004 = "PARX$,00039,19,A,0,N004";
inline constexpr std::string_view N032 = "PARX$,00058,10,2,0,N032";
inline constexpr std::string_view N033 = "PARX$,00068,10,2,0,N033";
inline constexpr std::string_view N006 = "PARX$,00101,10,2,0,N006";
inline constexpr std::string_view N007 = "PARX$,00111,10,2,0,N007";
inline constexpr std::string_view N009 = "PARX$,00133,10,2,0,N009";
inline constexpr std::string_view N010 = "PARX$,00151,09,2,0,N010";
inline constexpr std::string_view N011 = "PARX$,00161,09,2,0,N011";
inline constexpr std::string_view N012 = "PARX$,00171,09,2,0,N012";
inline constexpr std::string_view N014 = "PARX$,00183,09,2,0,N014";
inline constexpr std::string_view N022 = "PARX$,00207,08,2,0,N022";
inline constexpr std::string_view N020 = "PARX$,00244,07,2,0,N020";
inline constexpr std::string_view N026 = "PARX$,00251,01,A,0,N026";
inline constexpr std::string_view N018 = "PARX$,00252,01,A,0,N018";
inline constexpr std::string_view N015 = "PARX$,00253,04,N,0,N015";  // tax code of the payment
inline constexpr std::string_view N025 = "PARX$,00257,02,N,0,N025";
inline constexpr std::string_view N024 = "PARX$,00265,05,A,0,N024";
inline constexpr std::string_view N019 = "PARX$,00270,16,A,0,N019";
inline constexpr std::string_view N027 = "PARX$,00286,02,A,0,N027";
inline constexpr std::string_view N028 = "PARX$,00288,01,A,0,N028";
inline constexpr std::string_view N029 = "PARX$,00289,10,2,0,N029";
inline constexpr std::string_view N017 = "PARX$,00299,08,D,0,N017";  // DDMMYYYY
inline constexpr std::string_view N021 = "PARX$,00307,08,D,0,N021";  // DDMMYYYY, payment date
inline constexpr std::string_view N016 = "PARX$,00315,06,D,0,N016";  // MMYYYY, month of the note
inline constexpr std::string_view N034 = "PARX$,00321,05,2,0,N034";

// FISX$: installation fiscal data.
inline constexpr std::string_view F357 = "FISX$,00983,10,A,0,F357";  // PDF protection owner password

}  // namespace kv::archive
