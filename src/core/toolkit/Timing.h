#pragma once

namespace vora {

// Every duration the program uses, in one place. Tests shrink them so that a whole
// run takes a fraction of a second; the program uses the defaults.
struct Timing {
    int splashMs = 3000; // the splash stays at least this long
    int feedbackHoldMs = 300; // the typed digit or mark after each answer
    int shrinkTickMs = 50; // hiding-square animation
    int flickerTickMs = 200; // idle flicker after about 6 s without a key
    int layoutDelayMs = 2000; // one-shot layout step after each key
    int continuousMs = 1000; // continuous display of stored runs
    int continuousFastMs = 300; // ... after a double click
    int dotClickWaitMs = 700; // a dot click waits this long for a second click
    int navDoubleClickMaxMs = 1500; // "<<" / ">>" second click within this counts as double
    int navDoubleClickMinBackMs = 100; // ... but only after this long ("<<")
    int navDoubleClickMinForwardMs = 10; // ... and this long (">>")
    int countdownLeadMs = 3000; // "まもなくスタート" shown before it shrinks
    double countdownStepScale = 1.0; // factor on the e^(k/18) x 10 ms shrink steps
    int countdownGoMs = 1000; // "１，０入力開始" shown this long
    int fetchRetryWindowMs = 1000; // update page: retry while within this window
    int fetchTimeoutMs = 4000; // one fetch attempt never takes longer
    double flashSmallS = 0.1; // one colour flash of the stimulus episode
    double flashMediumS = 0.05;
    double flashLargeS = 0.001;
    int stimulusPictureMs = 10; // a stimulus picture stays at least this long
    // A write that meets a lock another copy of the program holds (a run save, a memo, a name
    // list) tries again for this long ...
    int lockWaitMs = 5000;
    int lockRetryMs = 20; // ... this often, never waiting in between

    // Durations small enough for tests, in the same proportions where order matters.
    static Timing shrunk()
    {
        Timing t;
        t.splashMs = 30;
        t.feedbackHoldMs = 3;
        t.shrinkTickMs = 1;
        t.flickerTickMs = 2;
        t.layoutDelayMs = 20;
        t.continuousMs = 10;
        t.continuousFastMs = 3;
        t.dotClickWaitMs = 7;
        t.navDoubleClickMaxMs = 1500;
        t.countdownLeadMs = 3;
        t.countdownStepScale = 0.001;
        t.countdownGoMs = 1;
        t.fetchRetryWindowMs = 50;
        t.fetchTimeoutMs = 500;
        t.flashSmallS = 0.001;
        t.flashMediumS = 0.001;
        t.flashLargeS = 0.0005;
        t.stimulusPictureMs = 1;
        t.lockWaitMs = 60;
        t.lockRetryMs = 2;
        return t;
    }
};

} // namespace vora
