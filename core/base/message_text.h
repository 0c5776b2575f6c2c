// KESTO_MESSAGE marks a text that the program shows the user as a message: an NG or error
// message, a refusal or a question. It leaves the text as it is (a format stays checkable);
// the help test collects every marked text from the sources and checks that the help explains it.
#pragma once

#define KESTO_MESSAGE(text) text
