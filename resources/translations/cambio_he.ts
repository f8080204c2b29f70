<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL" sourcelanguage="en">
<context>
    <name>Cambio</name>
    <message>
        <source>Updating…</source>
        <translation>מתבצע עדכון…</translation>
    </message>
    <message>
        <source>Updated %@</source>
        <translation>עודכן: %@</translation>
    </message>
    <message>
        <source>LocationChangedAlertMessage</source>
        <translation>להפוך את %@ למטבע הראשי שלך?</translation>
    </message>
    <message>
        <source>LocationChangedAlertInformativeText</source>
        <translation>נראה שהמחשב שלך נמצא עכשיו במדינה אחרת. Cambio יכול להציג את המטבע של אותה מדינה בשורה העליונה.</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>החלפה</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>SharingFullTitle</source>
        <translation>‏Cambio – ממיר המטבעות לשולחן העבודה שלך</translation>
    </message>
    <message>
        <source>Currencies</source>
        <translation>מטבעות</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>תפריט</translation>
    </message>
    <message>
        <source>Refresh Rates</source>
        <translation>רענון השערים</translation>
    </message>
    <message>
        <source>Reset Amounts</source>
        <translation>איפוס הסכומים</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>סגירה</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>מזעור</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>הגדלה</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>העתקה</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>העתקת הכול</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>הדבקה</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>העדפות…</translation>
    </message>
    <message>
        <source>Send Feedback…</source>
        <translation>שליחת משוב…</translation>
    </message>
    <message>
        <source>About Cambio</source>
        <translation>על אודות Cambio</translation>
    </message>
    <message>
        <source>Quit Cambio</source>
        <translation>יציאה מ־Cambio</translation>
    </message>
    <message>
        <source>Version %@</source>
        <translation>גרסה %@</translation>
    </message>
    <message>
        <source>Rates of %@</source>
        <translation>שערים: %@</translation>
    </message>
    <message>
        <source>Rates not updated</source>
        <translation>השערים לא עודכנו</translation>
    </message>
    <message>
        <source>The main currency could not be changed.</source>
        <translation>לא ניתן היה להחליף את המטבע הראשי.</translation>
    </message>
    <message>
        <source>cannot update the rates from %1: %2</source>
        <translation>לא ניתן לעדכן את השערים מ־%1:‏ %2</translation>
    </message>
    <message>
        <source>the new rates could not be stored in %@</source>
        <translation>לא ניתן היה לשמור את השערים החדשים ב־%@</translation>
    </message>
    <message>
        <source>the answer is not JSON: %@</source>
        <translation>התשובה אינה JSON:‏ %@</translation>
    </message>
    <message>
        <source>the answer is not a JSON object of rates</source>
        <translation>התשובה אינה אובייקט JSON של שערים</translation>
    </message>
    <message>
        <source>the answer holds no usable rate</source>
        <translation>אין בתשובה אף שער שמיש</translation>
    </message>
    <message>
        <source>connection refused</source>
        <translation>החיבור נדחה</translation>
    </message>
    <message>
        <source>a module cannot be loaded: %@</source>
        <translation>לא ניתן לטעון מודול: %@</translation>
    </message>
    <message>
        <source>PNG images (*.png)</source>
        <translation>תמונות PNG‏ (*.png)</translation>
    </message>
    <message>
        <source>host %@ not found</source>
        <translation>המארח %@ לא נמצא</translation>
    </message>
    <message>
        <source>connection closed before the whole response arrived</source>
        <translation>החיבור נסגר לפני שהתשובה כולה הגיעה</translation>
    </message>
    <message>
        <source>not an HTTP address: %@</source>
        <translation>לא כתובת HTTP:‏ %@</translation>
    </message>
    <message>
        <source>not an HTTP address</source>
        <translation>לא כתובת HTTP</translation>
    </message>
    <message>
        <source>response larger than %@</source>
        <translation>התשובה גדולה מ־%@</translation>
    </message>
    <message>
        <source>timed out after %@ s</source>
        <translation>תם הזמן לאחר %@ שניות</translation>
    </message>
    <message>
        <source>HTTP %@</source>
        <translation>‏HTTP %@</translation>
    </message>
    <message>
        <source>cannot write %@</source>
        <translation>לא ניתן לכתוב את %@</translation>
    </message>
    <message>
        <source>another program kept %@ locked</source>
        <translation>תכנית אחרת השאירה את %@ נעול</translation>
    </message>
    <message>
        <source>cannot lock %@</source>
        <translation>לא ניתן לנעול את %@</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>לא קובץ רגיל</translation>
    </message>
    <message>
        <source>larger than 1 MiB</source>
        <translation>גדול מ־1 MiB</translation>
    </message>
    <message>
        <source>ignoring the settings in %@</source>
        <translation>ההגדרות שב־%@ לא נלקחות בחשבון</translation>
    </message>
    <message>
        <source>unknown currency: %@</source>
        <translation>מטבע לא מוכר: %@</translation>
    </message>
    <message>
        <source>already visible: %@</source>
        <translation>כבר מוצג: %@</translation>
    </message>
    <message>
        <source>not a visible currency: %@</source>
        <translation>לא מטבע מוצג: %@</translation>
    </message>
    <message>
        <source>%@ (fixed)</source>
        <translation>‏%@ (קבוע)</translation>
    </message>
    <message>
        <source>Follows location: %@</source>
        <translation>לפי המיקום: %@</translation>
    </message>
    <message>
        <source>Add Currency</source>
        <translation>הוספת מטבע</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>הוספה</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>החלה</translation>
    </message>
    <message>
        <source>Available Currencies</source>
        <translation>מטבעות זמינים</translation>
    </message>
    <message>
        <source>CAMBIO_RATES_URL names this server for this session.</source>
        <translation>‏CAMBIO_RATES_URL קובע את השרת הזה להפעלה הנוכחית.</translation>
    </message>
    <message>
        <source>Cambio and cambio-cli ask this server for new rates. Leave it empty for the server of this computer.</source>
        <translation>‏Cambio ו־cambio-cli מבקשים שערים חדשים מהשרת הזה. יש להשאיר ריק כדי להשתמש בשרת של המחשב הזה.</translation>
    </message>
    <message>
        <source>Change Main Currency</source>
        <translation>החלפת המטבע הראשי</translation>
    </message>
    <message>
        <source>Change Number Format</source>
        <translation>החלפת תבנית המספרים</translation>
    </message>
    <message>
        <source>Change…</source>
        <translation>החלפה…</translation>
    </message>
    <message>
        <source>Choose a currency to add to the converter.</source>
        <translation>נא לבחור מטבע להוספה לממיר.</translation>
    </message>
    <message>
        <source>Choose how amounts are written.</source>
        <translation>נא לבחור כיצד לכתוב סכומים.</translation>
    </message>
    <message>
        <source>Choose</source>
        <translation>בחירה</translation>
    </message>
    <message>
        <source>Drag a currency, or press Alt+Up or Alt+Down, to change the order.</source>
        <translation>כדי לשנות את הסדר יש לגרור מטבע, או ללחוץ Alt+למעלה או Alt+למטה.</translation>
    </message>
    <message>
        <source>Follow Location</source>
        <translation>מעקב אחר המיקום</translation>
    </message>
    <message>
        <source>Follow the computer’s location</source>
        <translation>מעקב אחר מיקום המחשב</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Main Currency</source>
        <translation>מטבע ראשי</translation>
    </message>
    <message>
        <source>Main currency:</source>
        <translation>מטבע ראשי:</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>הזזה למטה</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>הזזה למעלה</translation>
    </message>
    <message>
        <source>Number Format</source>
        <translation>תבנית מספרים</translation>
    </message>
    <message>
        <source>Number Formats</source>
        <translation>תבניות מספרים</translation>
    </message>
    <message>
        <source>Number format:</source>
        <translation>תבנית מספרים:</translation>
    </message>
    <message>
        <source>Amounts look like %@</source>
        <translation>כך נראים סכומים: %@</translation>
    </message>
    <message>
        <source>Panes</source>
        <translation>חלוניות</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>העדפות</translation>
    </message>
    <message>
        <source>Rates Server</source>
        <translation>שרת השערים</translation>
    </message>
    <message>
        <source>Rates server:</source>
        <translation>שרת השערים:</translation>
    </message>
    <message>
        <source>Rates</source>
        <translation>שערים</translation>
    </message>
    <message>
        <source>Rates:</source>
        <translation>שערים:</translation>
    </message>
    <message>
        <source>Refresh Now</source>
        <translation>רענון כעת</translation>
    </message>
    <message>
        <source>Remove Currency</source>
        <translation>הסרת המטבע</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>שחזור ברירות המחדל</translation>
    </message>
    <message>
        <source>Search Currencies</source>
        <translation>חיפוש מטבעות</translation>
    </message>
    <message>
        <source>Search Number Formats</source>
        <translation>חיפוש תבניות מספרים</translation>
    </message>
    <message>
        <source>Search by code or name</source>
        <translation>חיפוש לפי קוד או שם</translation>
    </message>
    <message>
        <source>Search by language or region</source>
        <translation>חיפוש לפי שפה או אזור</translation>
    </message>
    <message>
        <source>System (%@)</source>
        <translation>המערכת (%@)</translation>
    </message>
    <message>
        <source>The change could not be saved: %@</source>
        <translation>לא ניתן היה לשמור את השינוי: %@</translation>
    </message>
    <message>
        <source>The converter shows these currencies under the main one, in this order.</source>
        <translation>הממיר מציג את המטבעות האלה מתחת למטבע הראשי, בסדר הזה.</translation>
    </message>
    <message>
        <source>The main currency stands at the top of the converter.</source>
        <translation>המטבע הראשי עומד בראש הממיר.</translation>
    </message>
    <message>
        <source>Visible Currencies</source>
        <translation>מטבעות מוצגים</translation>
    </message>
    <message>
        <source>When the computer is in another country, Cambio offers to make that country’s currency the main one.</source>
        <translation>כשהמחשב נמצא במדינה אחרת, Cambio מציע להפוך את המטבע של אותה מדינה למטבע הראשי.</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>שליחה</translation>
    </message>
    <message>
        <source>Send Feedback</source>
        <translation>שליחת משוב</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>E-mail</source>
        <translation>דוא״ל</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>הודעה</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>שם:</translation>
    </message>
    <message>
        <source>E-mail:</source>
        <translation>דוא״ל:</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>הודעה:</translation>
    </message>
    <message>
        <source>Required</source>
        <translation>חובה</translation>
    </message>
    <message>
        <source>Optional</source>
        <translation>רשות</translation>
    </message>
    <message>
        <source>Sending…</source>
        <translation>מתבצעת שליחה…</translation>
    </message>
    <message>
        <source>Please enter your e-mail address.</source>
        <translation>נא להזין את כתובת הדוא״ל שלך.</translation>
    </message>
    <message>
        <source>This e-mail address is not complete.</source>
        <translation>כתובת הדוא״ל הזאת אינה שלמה.</translation>
    </message>
    <message>
        <source>Please write a message.</source>
        <translation>נא לכתוב הודעה.</translation>
    </message>
    <message>
        <source>Your message could not be saved: %@</source>
        <translation>לא ניתן היה לשמור את ההודעה שלך: %@</translation>
    </message>
    <message>
        <source>Thank you for your feedback.</source>
        <translation>תודה על המשוב.</translation>
    </message>
    <message>
        <source>Your feedback could not be sent.</source>
        <translation>לא ניתן היה לשלוח את המשוב שלך.</translation>
    </message>
    <message>
        <source>It has been sent.</source>
        <translation>הוא נשלח.</translation>
    </message>
    <message>
        <source>Send Report</source>
        <translation>שליחת דוח</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>לא לשלוח</translation>
    </message>
    <message>
        <source>Always Send</source>
        <translation>לשלוח תמיד</translation>
    </message>
    <message>
        <source>The crash report could not be sent.</source>
        <translation>לא ניתן היה לשלוח את דוח הקריסה.</translation>
    </message>
    <message>
        <source>Share</source>
        <translation>שיתוף</translation>
    </message>
    <message>
        <source>Sharing</source>
        <translation>שיתוף</translation>
    </message>
    <message>
        <source>Copy to Clipboard</source>
        <translation>העתקה ללוח הגזירים</translation>
    </message>
    <message>
        <source>Save Picture…</source>
        <translation>שמירת תמונה…</translation>
    </message>
    <message>
        <source>Save Picture</source>
        <translation>שמירת תמונה</translation>
    </message>
    <message>
        <source>The picture could not be saved as %@.</source>
        <translation>לא ניתן היה לשמור את התמונה בשם %@.</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>דוא״ל</translation>
    </message>
    <message>
        <source>The e-mail could not be prepared.</source>
        <translation>לא ניתן היה להכין את הודעת הדוא״ל.</translation>
    </message>
    <message>
        <source>The mail program could not be opened.</source>
        <translation>לא ניתן היה לפתוח את תכנית הדואר.</translation>
    </message>
    <message>
        <source>FeedbackIntroduction</source>
        <translation>ספרו לנו מה אתם אוהבים, מה חסר או מה השתבש.</translation>
    </message>
    <message>
        <source>FeedbackKeptInformativeText</source>
        <translation>ההודעה שלך שמורה בתיקייה %@.</translation>
    </message>
    <message>
        <source>FeedbackNotSentInformativeText</source>
        <translation>ההודעה שלך נשמרה ב־%@. הסיבה:</translation>
    </message>
    <message>
        <source>CrashReportAlertMessage</source>
        <translation>‏Cambio נסגר באופן בלתי צפוי בפעם האחרונה שפעל.</translation>
    </message>
    <message>
        <source>CrashReportAlertInformativeText</source>
        <translation>לשלוח דוח על כך אל %@? הדוח מתאר מה עשתה התכנית כשנעצרה; אין בו דבר ממה שהקלדת.</translation>
    </message>
    <message>
        <source>CrashReportKeptInformativeText</source>
        <translation>דוח על מה שקרה שמור במחשב הזה, בתיקייה %@. הוא לא נשלח לשום מקום: לא הוגדרה כתובת לשליחת דוחות.</translation>
    </message>
    <message>
        <source>CrashReportNotSentInformativeText</source>
        <translation>הוא נשאר ב־%@ ויוצע שוב בהפעלה הבאה. הסיבה:</translation>
    </message>
    <message>
        <source>AboutDataLicences</source>
        <translation>השערים שמגיעים עם Cambio לקוחים מממשק המטבעות של fawazahmed0/exchange-api‏ (CC0 1.0). גבולות המדינות לקוחים מ־country-coder‏ (רישיון ISC, ראו „%@”). הדגלים הם iso-flags-svg של דביאן (נחלת הכלל); הדגלים של ביטקוין, הגילדר הקריבי וזהב זימבבואה הם של Cambio עצמו.</translation>
    </message>
    <message>
        <source>FeedbackDestinationComputer</source>
        <translation>ההודעה שלך תישמר במחשב הזה, בתיקייה %@. היא לא נשלחת לשום מקום: לא הוגדרה כתובת לשליחת משוב.</translation>
    </message>
    <message>
        <source>FeedbackDestinationAddress</source>
        <translation>ההודעה שלך תישלח אל %@, ועותק יישמר במחשב הזה.</translation>
    </message>
    <message>
        <source>There is no amount to paste.</source>
        <translation>אין סכום להדבקה.</translation>
    </message>
    <message>
        <source>Only one amount can be pasted at a time.</source>
        <translation>אפשר להדביק רק סכום אחד בכל פעם.</translation>
    </message>
    <message>
        <source>“%@” is not an amount.</source>
        <translation>„%@” אינו סכום.</translation>
    </message>
    <message>
        <source>Amounts have at most %@ digits before the decimal separator.</source>
        <translation>לסכומים יש לכל היותר %@ ספרות לפני המפריד העשרוני.</translation>
    </message>
    <message>
        <source>“%@” stands for more than one currency here.</source>
        <translation>„%@” מייצג כאן יותר ממטבע אחד.</translation>
    </message>
    <message>
        <source>“%@” names more than one currency.</source>
        <translation>„%@” מציין יותר ממטבע אחד.</translation>
    </message>
    <message>
        <source>%@ is not among the currencies shown.</source>
        <translation>‏%@ אינו בין המטבעות המוצגים.</translation>
    </message>
    <message>
        <source>CrashReportNotPutAsideInformativeText</source>
        <translation>הוא נשאר עם הדוחות החדשים ב־%@ ויוצע שוב בהפעלה הבאה. הסיבה:</translation>
    </message>
    <message>
        <source>FeedbackNotMovedInformativeText</source>
        <translation>היא נשארת עם ההודעות שטרם נשלחו ב־%@. הסיבה:</translation>
    </message>
    <message>
        <source>The crash report could not be put aside.</source>
        <translation>לא ניתן היה להעביר את דוח הקריסה הצידה.</translation>
    </message>
    <message>
        <source>cannot make the folder %@</source>
        <translation>לא ניתן ליצור את התיקייה %@</translation>
    </message>
    <message>
        <source>Rates are %@ old</source>
        <translation>השערים בני %@</translation>
    </message>
    <message>
        <source>rates of %@</source>
        <translation>שערים מ־%@</translation>
    </message>
    <message>
        <source>redirect to %@ refused</source>
        <translation>ההפניה אל %@ נדחתה</translation>
    </message>
    <message>
        <source>a redirect loop</source>
        <translation>לולאת הפניות</translation>
    </message>
    <message>
        <source>it leaves HTTPS</source>
        <translation>היא יוצאת מ־HTTPS</translation>
    </message>
    <message>
        <source>more than %@ redirects</source>
        <translation>יותר מ־%@ הפניות</translation>
    </message>
    <message>
        <source>HTTP %@ without a target</source>
        <translation>HTTP %@ ללא יעד</translation>
    </message>
    <message>
        <source>the answer's compression is damaged or would inflate beyond any limit</source>
        <translation>הדחיסה של התשובה פגומה או שפריסתה תחרוג מכל מגבלה</translation>
    </message>
    <message>
        <source>TLS handshake failed: %@</source>
        <translation>לחיצת היד של TLS נכשלה: %@</translation>
    </message>
    <message>
        <source>Usage: %@</source>
        <translation>שימוש: %@</translation>
    </message>
    <message>
        <source>Converts amounts with Cambio's rates and changes the currencies the converter shows. Amounts are read and written in the current locale; currency codes in any case.</source>
        <translation>ממיר סכומים לפי השערים של Cambio ומשנה את המטבעות שהממיר מציג. סכומים נקראים ונכתבים לפי ההגדרות האזוריות הנוכחיות; קודי מטבע בכל רישיות.</translation>
    </message>
    <message>
        <source>Commands:</source>
        <translation>פקודות:</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>אפשרויות:</translation>
    </message>
    <message>
        <source>AMOUNT in FROM converted into each TO, or into every row of the converter</source>
        <translation>הסכום AMOUNT במטבע FROM מומר לכל TO, או לכל שורה בממיר</translation>
    </message>
    <message>
        <source>the conversions that the desktop's search shows for TEXT, such as “100 usd in eur” or “5 usd + 2 gbp in eur, jpy”</source>
        <translation>ההמרות שהחיפוש בשולחן העבודה מציג עבור TEXT, כגון „100 usd in eur” או „5 usd + 2 gbp in eur, jpy”</translation>
    </message>
    <message>
        <source>the copied summary of every row for AMOUNT in FROM (the main currency when FROM is not given)</source>
        <translation>הסיכום המועתק של כל השורות עבור AMOUNT במטבע FROM (המטבע הראשי כש־FROM לא ניתן)</translation>
    </message>
    <message>
        <source>every currency of the rates with its name; --available: only those not shown yet; --filter: only those that TEXT finds</source>
        <translation>כל המטבעות שבשערים עם שמותיהם; --available: רק אלה שעוד לא מוצגים; --filter: רק אלה ש־TEXT מוצא</translation>
    </message>
    <message>
        <source>the currencies the converter shows, after the change if one is given</source>
        <translation>המטבעות שהממיר מציג, אחרי השינוי אם ניתן</translation>
    </message>
    <message>
        <source>the main currency, after fixing it to CODE or letting it follow the computer's country</source>
        <translation>המטבע הראשי, אחרי קיבועו ל־CODE או לאחר שהוא נקבע לפי המדינה של המחשב</translation>
    </message>
    <message>
        <source>fetches the latest rates from the rates server</source>
        <translation>מביא את השערים העדכניים משרת השערים</translation>
    </message>
    <message>
        <source>the date of the rates, then each currency's rates from and to the US dollar; their age goes to stderr</source>
        <translation>תאריך השערים, ואחריו השערים של כל מטבע מהדולר האמריקאי ואליו; גילם נכתב ל־stderr</translation>
    </message>
    <message>
        <source>use the locale ID for amounts (for example de_DE, or ar_EG@numbers=latn for the digits 0 to 9) instead of the current one</source>
        <translation>שימוש בהגדרות האזוריות ID לסכומים (למשל de_DE, או ar_EG@numbers=latn לספרות 0 עד 9) במקום הנוכחיות</translation>
    </message>
    <message>
        <source>no warning on stderr that the rates are old</source>
        <translation>בלי אזהרה ב־stderr שהשערים ישנים</translation>
    </message>
    <message>
        <source>show this help and exit</source>
        <translation>הצגת עזרה זו ויציאה</translation>
    </message>
    <message>
        <source>show the version and exit</source>
        <translation>הצגת הגרסה ויציאה</translation>
    </message>
    <message>
        <source>Exit status: 0 when done, 1 when the operation failed, 2 for a bad command line.</source>
        <translation>מצב יציאה: 0 בהצלחה, 1 כשהפעולה נכשלה, 2 לשורת פקודה שגויה.</translation>
    </message>
    <message>
        <source>%@ takes no value</source>
        <translation>‏%@ לא מקבלת ערך</translation>
    </message>
    <message>
        <source>%@ needs a value</source>
        <translation>‏%@ דורשת ערך</translation>
    </message>
    <message>
        <source>unknown option: %@</source>
        <translation>אפשרות לא מוכרת: %@</translation>
    </message>
    <message>
        <source>%1 takes no arguments: %2</source>
        <translation>‏%1 לא מקבלת ארגומנטים: %2</translation>
    </message>
    <message>
        <source>no command given (see cambio-cli --help)</source>
        <translation>לא ניתנה פקודה (ראו cambio-cli --help)</translation>
    </message>
    <message>
        <source>%1 takes no option %2</source>
        <translation>‏%1 לא מקבלת את האפשרות %2</translation>
    </message>
    <message>
        <source>unknown command: %@ (see cambio-cli --help)</source>
        <translation>פקודה לא מוכרת: %@ (ראו cambio-cli --help)</translation>
    </message>
    <message>
        <source>not an amount: %@</source>
        <translation>לא סכום: %@</translation>
    </message>
    <message>
        <source>convert needs an amount and a currency: %@</source>
        <translation>‏convert דורשת סכום ומטבע: %@</translation>
    </message>
    <message>
        <source>query needs a text: %@</source>
        <translation>‏query דורשת טקסט: %@</translation>
    </message>
    <message>
        <source>not a conversion: %@</source>
        <translation>לא המרה: %@</translation>
    </message>
    <message>
        <source>no usable rate for %@ in the rates in force</source>
        <translation>אין שער שמיש עבור %@ בשערים התקפים</translation>
    </message>
    <message>
        <source>amount too large to convert into %@</source>
        <translation>הסכום גדול מכדי להמירו ל־%@</translation>
    </message>
    <message>
        <source>summary needs an amount: %@</source>
        <translation>‏summary דורשת סכום: %@</translation>
    </message>
    <message>
        <source>no main currency is in force; give FROM or fix one with: %@</source>
        <translation>אין מטבע ראשי בתוקף; יש לתת FROM או לקבע מטבע עם: %@</translation>
    </message>
    <message>
        <source>currencies takes no currency: %@</source>
        <translation>‏currencies לא מקבלת מטבע: %@</translation>
    </message>
    <message>
        <source>visible takes one of: %@</source>
        <translation>‏visible מקבלת אחת מאלה: %@</translation>
    </message>
    <message>
        <source>main takes one currency or --auto: %@</source>
        <translation>‏main מקבלת מטבע אחד או ‎--auto‏: %@</translation>
    </message>
    <message>
        <source>update takes no arguments</source>
        <translation>‏update לא מקבלת ארגומנטים</translation>
    </message>
    <message>
        <source>the rates were not updated</source>
        <translation>השערים לא עודכנו</translation>
    </message>
    <message>
        <source>no rates: neither the rates file nor the program's own copy can be read</source>
        <translation>אין שערים: לא ניתן לקרוא לא את קובץ השערים ולא את העותק של התוכנית עצמה</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable; the program's own rates are shown</source>
        <translation>הרשומה של %@ בקובץ השערים אינה שמישה; מוצגים השערים של התוכנית עצמה</translation>
    </message>
    <message>
        <source>the rates file's entry for %@ is unusable and left out</source>
        <translation>הרשומה של %@ בקובץ השערים אינה שמישה והושמטה</translation>
    </message>
    <message>
        <source>cannot write the output</source>
        <translation>לא ניתן לכתוב את הפלט</translation>
    </message>
    <message>
        <source>cannot write the output: %@</source>
        <translation>לא ניתן לכתוב את הפלט: %@</translation>
    </message>
    <message>
        <source>no locale given</source>
        <translation>לא ניתנו הגדרות אזוריות</translation>
    </message>
    <message>
        <source>unknown locale: %@</source>
        <translation>הגדרות אזוריות לא מוכרות: %@</translation>
    </message>
    <message>
        <source>no decimal numbering system: %@</source>
        <translation>לא שיטת ספירה עשרונית: %@</translation>
    </message>
    <message>
        <source>locale keyword not supported: %@ (numbers and currency are)</source>
        <translation>מילת מפתח של הגדרות אזוריות שאינה נתמכת: %@ (נתמכות numbers ו־currency)</translation>
    </message>
    <message>
        <source>Rates are %1 old: %2</source>
        <translation>השערים בני %1: %2</translation>
    </message>
    <message>
        <source>Rates are %@ old: the rates server has no newer rates</source>
        <translation>השערים בני %@: בשרת השערים אין שערים חדשים יותר</translation>
    </message>
    <message>
        <source>Serves exchange rates to Cambio at %1, gathered from the European Central Bank and the community currency API, and each source's state at %2.</source>
        <translation>מגיש ל־Cambio שערי חליפין בכתובת %1, שנאספו מהבנק המרכזי האירופי ומממשק המטבעות הקהילתי, ואת מצב כל מקור בכתובת %2.</translation>
    </message>
    <message>
        <source>Every option but --once may also be set in %@, one “name = value” line each; the command line wins.</source>
        <translation>כל אפשרות מלבד ‎--once‏ אפשר להגדיר גם ב־%@, כל אחת בשורת „name = value”; שורת הפקודה גוברת.</translation>
    </message>
    <message>
        <source>where to listen (default %1; %2 for IPv6)</source>
        <translation>היכן להאזין (ברירת מחדל %1; %2 עבור IPv6)</translation>
    </message>
    <message>
        <source>the central bank's daily reference rates (XML); %@ turns them off</source>
        <translation>שערי הייחוס היומיים של הבנק המרכזי (XML); הערך %@ מכבה אותם</translation>
    </message>
    <message>
        <source>the currency API's dollar table (JSON); repeat for fallbacks; %@ turns it off</source>
        <translation>טבלת הדולר של ממשק המטבעות (JSON); יש לחזור עליה לכתובות חלופיות; הערך %@ מכבה אותה</translation>
    </message>
    <message>
        <source>the table for currencies no live source has: a rates document or a JSON answer (default: the converter's own seed)</source>
        <translation>הטבלה למטבעות שאין להם מקור חי: מסמך שערים או תשובת JSON (ברירת מחדל: הטבלה ההתחלתית של הממיר עצמו)</translation>
    </message>
    <message>
        <source>where the last good table is kept (default %@)</source>
        <translation>היכן נשמרת הטבלה התקינה האחרונה (ברירת מחדל %@)</translation>
    </message>
    <message>
        <source>how old the newest rates may be for the table to count as current (default %1; at most %2, ten years)</source>
        <translation>כמה ישנים יכולים להיות השערים העדכניים ביותר כדי שהטבלה תיחשב עדכנית (ברירת מחדל %1; לכל היותר %2, עשר שנים)</translation>
    </message>
    <message>
        <source>exit after that long without a request, for socket activation (default 0: never; at most %@, about 24 days)</source>
        <translation>יציאה אחרי זמן כזה ללא בקשה, להפעלה דרך שקע (ברירת מחדל 0: לעולם לא; לכל היותר %@, כ־24 ימים)</translation>
    </message>
    <message>
        <source>fetch once, write the table to FILE as JSON and exit; exit status 1 when no live source answered</source>
        <translation>הבאה פעם אחת, כתיבת הטבלה כ־JSON ל־FILE ויציאה; מצב יציאה 1 כשאף מקור חי לא ענה</translation>
    </message>
    <message>
        <source>not a setting: %@</source>
        <translation>לא הגדרה: %@</translation>
    </message>
    <message>
        <source>%1 needs an http or https URL: %2</source>
        <translation>‏%1 דורשת כתובת URL מסוג http או https: %2</translation>
    </message>
    <message>
        <source>%1 needs a whole number of seconds from %2 to %3: %4</source>
        <translation>‏%1 דורשת מספר שלם של שניות מ־%2 עד %3: %4</translation>
    </message>
    <message>
        <source>unexpected argument: %@</source>
        <translation>ארגומנט לא צפוי: %@</translation>
    </message>
    <message>
        <source>%1 needs %2, like %3: %4</source>
        <translation>‏%1 דורשת %2, כגון %3: %4</translation>
    </message>
    <message>
        <source>%@ needs a file</source>
        <translation>‏%@ דורשת קובץ</translation>
    </message>
    <message>
        <source>%@ (see cambio-ratesd --help)</source>
        <translation>%@ (ראו cambio-ratesd --help)</translation>
    </message>
    <message>
        <source>History</source>
        <translation>היסטוריה</translation>
    </message>
    <message>
        <source>1 &amp;Month</source>
        <translation>&amp;חודש</translation>
    </message>
    <message>
        <source>&amp;3 Months</source>
        <translation>&amp;3 חודשים</translation>
    </message>
    <message>
        <source>1 &amp;Year</source>
        <translation>&amp;שנה</translation>
    </message>
    <message>
        <source>&amp;5 Years</source>
        <translation>&amp;5 שנים</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>ה&amp;כול</translation>
    </message>
    <message>
        <source>Downloading…</source>
        <translation>מוריד…</translation>
    </message>
    <message>
        <source>The download failed: %@. Shown are the rates kept on this computer.</source>
        <translation>ההורדה נכשלה: %@. מוצגים השערים השמורים במחשב זה.</translation>
    </message>
    <message>
        <source>No rates are kept for this range.</source>
        <translation>אין שערים שמורים לתקופה זו.</translation>
    </message>
    <message>
        <source>%1 per %2</source>
        <translation>%1 לכל %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>over one month</source>
        <translation>במשך חודש</translation>
    </message>
    <message>
        <source>over three months</source>
        <translation>במשך שלושה חודשים</translation>
    </message>
    <message>
        <source>over one year</source>
        <translation>במשך שנה</translation>
    </message>
    <message>
        <source>over five years</source>
        <translation>במשך חמש שנים</translation>
    </message>
    <message>
        <source>since %@</source>
        <translation>מאז %@</translation>
    </message>
    <message>
        <source>%1: no rates are kept.</source>
        <translation>%1: אין שערים שמורים.</translation>
    </message>
    <message>
        <source>%1: only %2, on %3.</source>
        <translation>%1: רק %2, ב־%3.</translation>
    </message>
    <message>
        <source>%1: from %2 to %3, low %4 on %5, high %6 on %7.</source>
        <translation>%1: מ־%2 ל־%3, שפל %4 ב־%5, שיא %6 ב־%7.</translation>
    </message>
    <message>
        <source>No rates before %@.</source>
        <translation>אין שערים לפני %@.</translation>
    </message>
    <message>
        <source>No rates after %@.</source>
        <translation>אין שערים אחרי %@.</translation>
    </message>
    <message>
        <source>No rates from %1 to %2.</source>
        <translation>אין שערים מ־%1 עד %2.</translation>
    </message>
    <message>
        <source>Change: %1 (%2)</source>
        <translation>שינוי: %1 (%2)</translation>
    </message>
    <message>
        <source>Low: %1 on %2</source>
        <translation>שפל: %1 ב־%2</translation>
    </message>
    <message>
        <source>High: %1 on %2</source>
        <translation>שיא: %1 ב־%2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>the rate history is kept in memory only, %@ cannot be used</source>
        <translation>היסטוריית השערים נשמרת בזיכרון בלבד, אי אפשר להשתמש ב־%@</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>זה אינו קובץ רגיל</translation>
    </message>
    <message>
        <source>it holds the tables of another program</source>
        <translation>יש בו טבלאות של תוכנית אחרת</translation>
    </message>
    <message>
        <source>its schema is of version %@</source>
        <translation>הסכמה שלו בגרסה %@</translation>
    </message>
    <message>
        <source>the rate history is begun anew, the old file is kept as %@</source>
        <translation>היסטוריית השערים מתחילה מחדש, הקובץ הישן נשמר בשם %@</translation>
    </message>
    <message>
        <source>the rates could not be kept</source>
        <translation>לא ניתן היה לשמור את השערים</translation>
    </message>
    <message>
        <source>the answer holds no history of the currencies asked for</source>
        <translation>התשובה אינה מכילה היסטוריה של המטבעות שהתבקשו</translation>
    </message>
    <message>
        <source>cannot download the rate history from %@</source>
        <translation>לא ניתן להוריד את היסטוריית השערים מ־%@</translation>
    </message>
    <message>
        <source>%1 per %2 from %3 to %4: %5 to %6, low %7 on %8, high %9 on %10, change %11 (%12)</source>
        <translation>%1 ל־%2 מ־%3 עד %4: מ־%5 עד %6, שפל %7 ב־%8, שיא %9 ב־%10, שינוי %11 (%12)</translation>
    </message>
    <message>
        <source>showing the rates kept on this computer</source>
        <translation>מוצגים השערים השמורים במחשב זה</translation>
    </message>
    <message>
        <source>how many AGAINST (the main currency unless given) one CODE was worth each day, then the low, the high and the change; the last 30 days unless told, at most 10 years; dates as YYYY-MM-DD; --csv for spreadsheets</source>
        <translation>כמה AGAINST (המטבע הראשי אם לא צוין אחר) היה שווה CODE אחד בכל יום, ואחר כך השפל, השיא והשינוי; 30 הימים האחרונים אם לא צוין אחרת, 10 שנים לכל היותר; תאריכים בתבנית YYYY-MM-DD; ‎--csv לגיליונות אלקטרוניים</translation>
    </message>
    <message>
        <source>the answer is not what was asked for</source>
        <translation>התשובה אינה מה שהתבקש</translation>
    </message>
    <message>
        <source>the central bank's full history (XML), taken into the history once; %@ turns that off</source>
        <translation>ההיסטוריה המלאה של הבנק המרכזי (XML), נקלטת להיסטוריה פעם אחת; %@ מכבה זאת</translation>
    </message>
    <message>
        <source>history needs a currency: %@</source>
        <translation>history צריך מטבע: %@</translation>
    </message>
    <message>
        <source>history needs two different currencies: %@</source>
        <translation>history צריך שני מטבעות שונים: %@</translation>
    </message>
    <message>
        <source>--days cannot go with --from or --to</source>
        <translation>אי אפשר להשתמש ב־--days יחד עם --from או --to</translation>
    </message>
    <message>
        <source>--days needs a number of days: %@</source>
        <translation>--days צריך מספר ימים: %@</translation>
    </message>
    <message>
        <source>not a date (YYYY-MM-DD): %@</source>
        <translation>לא תאריך (YYYY-MM-DD): %@</translation>
    </message>
    <message>
        <source>--to needs --from</source>
        <translation>--to צריך את --from</translation>
    </message>
    <message>
        <source>the first day comes after the last: %1 to %2</source>
        <translation>היום הראשון אחרי האחרון: %1 עד %2</translation>
    </message>
    <message>
        <source>more than %1 years at once: %2 to %3</source>
        <translation>יותר מ־%1 שנים בבת אחת: %2 עד %3</translation>
    </message>
    <message>
        <source>no rates of %1 against %2 from %3 to %4</source>
        <translation>אין שערים של %1 מול %2 מ־%3 עד %4</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <comment>Translate this string to the string &apos;LTR&apos; in left-to-right languages or to &apos;RTL&apos; in right-to-left languages (such as Hebrew and Arabic) to get proper widget layout.</comment>
        <translation>RTL</translation>
    </message>
</context>
</TS>
