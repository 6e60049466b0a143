// Identifiers of the test dialog in the test resource module.
#pragma once

#define IDD_TEST_DIALOG 300
#define IDC_TEST_EDIT 301
#define IDC_TEST_COMBO 302
#define IDC_TEST_SPIN 303
#define IDC_TEST_CHECK 304
#define IDC_TEST_LABEL 305
