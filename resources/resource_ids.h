#pragma once

// Resource numbers shared by pretextor.rc and the Windows backend. The program icon comes
// first, so Explorer shows it for the file.
#define PRETEXTOR_ICON_PROGRAM 1
#define PRETEXTOR_ICON_ABOUT 2
