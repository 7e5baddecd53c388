// Installs the Word-format writers, the Word assembly and the finishing of the Word report into
// the results run.
#pragma once

void InstallWordReportWriters();
