<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>COMPARE</name>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Differences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the selected values onto the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take all values onto the pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the differences as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the comparison</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EVAL</name>
    <message>
        <source>Evaluation settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation and scanning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Evaluation mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How the evaluation value is formed from the channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean of A and B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum A + B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference A - B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Difference B - A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation &amp;averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scan frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan frequency of both channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.5 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach setting &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach setting 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low byte of the teach word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach setting &amp;2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach setting 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High byte of the teach word</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EVAL2</name>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation: limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference and limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation high tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation low tolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GAUGE</name>
    <message>
        <source>Gauge study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put a reference part of known value under the sensor, give its value and the tolerance, and take the readings. They are the next live samples of RUN; RUN starts for them if it is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel of the study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference value of the part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;olerance (upper - lower)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;adings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Take readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take the readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readings of the study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the gauge study</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MONITOR</name>
    <message>
        <source>Frame monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Order code:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order code filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause the monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops logging and holds the list; press again to go on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the selected frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected frames as text (Ctrl+C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the listed frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The listed frames as text (.txt) or CSV (.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear the frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the frame monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops logging and closes the monitor (Esc, Ctrl+W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames listed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OUTPUTS</name>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switching outputs and analog output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Presets and analog output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output &amp;preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output preset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset fills in a fixed assignment and locks the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1: free configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2: preset, analog mode 128</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3: preset, analog mode 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4: preset, analog mode 256</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Analog output mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analog output mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode bits and configuration of the switching outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode bit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 mode bit 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 configuration flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On switches every mode bit of output 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 0 configuration value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bits 1 to 15 of the configuration word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 mode bit 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 configuration flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On switches every mode bit of output 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 1 configuration value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 mode bit 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 configuration flag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On switches every mode bit of output 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output 2 configuration value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PARAA</name>
    <message>
        <source>Channel A parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A: data and conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format: raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format: normalised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA FORMAT: NORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decay time constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A decay time constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In scans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pretrigger value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A pretrigger value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples recorded before the trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp;averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A data averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neg. edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input IN0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input IN1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquire max value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel B low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel B high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value acquisition condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store data snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot condition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PARAA2</name>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A: limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels and limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Laser power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A laser power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A high tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A low tolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PARAB</name>
    <message>
        <source>Channel B parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B: data and conditions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format: raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normalised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data format: normalised</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA FORMAT: NORM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: minimum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data filter: direct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Decay time constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B decay time constant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In scans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pretrigger value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B pretrigger value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples recorded before the trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data &amp;averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B data averaging</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pos. edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neg. edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel A high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: channel B high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input IN0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN0 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input IN1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: input IN1 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid: every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Result valid condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acquire max value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel A low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: channel A high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN0 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 low state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: input IN1 high state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value: every sample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max value acquisition condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset value: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset condition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store data snapshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel A positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel A negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel B positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: channel B negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN0 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 positive edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Store snapshot: input IN1 negative edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snapshot condition</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PARAB2</name>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B: limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Levels and limits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Laser power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B laser power</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B reference value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;High tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B high tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lo&amp;w tolerance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B low tolerance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>STATS</name>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;ver</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>since the reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chart&apos;s range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;n</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of last samples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset the statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures and histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics figures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the figures as text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export the figures as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gauge study...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the gauge study</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram &amp;of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>samples</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TELVAR_K20_Dizer_D30e</name>
    <message>
        <source>Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232 or TCP/IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RS-232</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP/IP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;COM port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port of the controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How to get the permission to open the chosen port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP &amp;address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address of the controller, with the recent addresses in its list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Port number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10001</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TCP port of the controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the port number was refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reconnect automatically</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When the open line is lost, wait for it to return and open it again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO CONNECTION ESTABLISHED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection state</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the connection failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try to connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TELVAR-K20-Dizer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CONNECT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the connection dialog (F2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the pages to the chosen RAM, EEPROM or file (F3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get the set from the chosen RAM, EEPROM or file onto the pages (F4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare the pages with the chosen RAM, EEPROM or file (F6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target RAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TEACH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teach controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TRIGGER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RECORDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write every displayed sample to a CSV file, until pressed again (F7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REPORT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the set the pages show as a parameter report (F8)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PRINT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scope + Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Scope + Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Scope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MONITOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the frame monitor (F9)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data memory graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evaluation value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the statistics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A 2nd value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel A second value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B 2nd value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel B second value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RUN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run live acquisition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show live values on the strip chart (F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop RUN or DATA (Shift+F5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Evaluation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Trigger level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Upper limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Reference</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace Lower limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2nd value (max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace 2nd value (max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3rd value (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trace 3rd value (min)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cursors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart cursors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two cursors on the chart: drag them, or with the chart focused Left and Right (Shift: ten samples), Tab or 1 and 2 to choose one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorder lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red while the recorder writes a file, amber once a write error stopped it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green while a line to the controller is open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page background</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEST</name>
    <message>
        <source>Test mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test mode: driving the outputs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ENTER test mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter test mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EXIT test mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit test mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numeric test words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 0 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 1 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 3 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 4 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 5 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word &amp;7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 7 of the test data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 1&amp;0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test word 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent as word 10 of the test data, low 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2: switches and lamps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch 1: bit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2 bit 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch 2: bit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2 bit 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverted switch: bit 7 while off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverted switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2 bit 7, set while the switch is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2 bit 2 when lit red, bit 5 when lit green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp 1: bit 2 red, bit 5 green; each switch-off changes the colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word 2 bit 4 when lit yellow, bit 3 when lit green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lamp 2: bit 4 yellow, bit 3 green; each switch-off changes the colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The controller&apos;s answer to the last test exchange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer word 15</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UPDATE</name>
    <message>
        <source>Firmware update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green: selected; red: not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>firmware file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge linearisation data of channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linearisation data of channel A selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table channel &amp;A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linearisation data of channel A file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load linearisation data of channel A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge linearisation data of channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linearisation data of channel B selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table channel &amp;B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>linearisation data of channel B file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load linearisation data of channel B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merged image selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merged image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>merged image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Address window of the tables</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window &amp;start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window start address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window address before the offset 0x2000000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window &amp;end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window end address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MERGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge the tables into the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready for download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow: an image is ready; red: the last step failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PROGRAM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download the image to the controller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Boot loader &amp;log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What the last merge put into the image, or what the boot loader sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
