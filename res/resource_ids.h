#pragma once
// Identifiers of the program's own resources, shared by Tikolvo.rc and code.
#define IDI_TIKOLVO 1
