#pragma once

// The set-up actions of a newly installed add-in, as the record-actions
// class offers them. Start-up creates one object on first use and keeps it
// for both set-ups. Neither method traps errors: a failure reaches the caller
// as an exception.
class IAccionesSetup {
public:
    virtual ~IAccionesSetup() = default;

    // True when the donations add-in's data are set up; false ends start-up.
    virtual bool SetupVodidazaz() = 0;
    // The same for the parish-management add-in.
    virtual bool SetupGestionParroquial() = 0;
};
