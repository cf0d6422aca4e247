// ControlsTestRes.h: resource ids of the companion controls' tests.
#pragma once

#define IDR_TEST_CONTEXT 319
#define IDR_TEST_TOOLBAR 315
#define IDR_TEST_BAR 320

#define ID_TEST_CLOSE 33130
#define ID_TEST_PROPERTIES 35041
#define ID_TEST_COPY 57634
#define ID_TEST_FIND 40010
#define ID_TEST_FLOAT 35101
#define ID_TEST_DOCK 35121
#define ID_TEST_SHOW 33143
#define ID_TEST_PLAIN 40011
