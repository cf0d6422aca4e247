// DasdGeometryChart.h: the text of the DASD geometry reference chart,
// window-free: cylinders, tracks, blocks and bytes of the CKD and FBA disk
// models in fixed-width columns, lines ended by CR LF. The counts come from
// the disk model table where the chart shows one of its models; every
// byte figure is computed from the row's own counts.
#pragma once

#include "platform/CString.h"

// The width of the chart's separator lines and the line its columns fill.
const int kDasdChartWidth = 69;

CString BuildDasdGeometryChart();
