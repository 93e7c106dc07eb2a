#pragma once

// Runs Tarvo's command line (app/CommandLine.h) on the offscreen platform,
// so an export works without a display: over ssh, in a cron job, in CI.
int runCommandLine(int &argc, char **argv);
