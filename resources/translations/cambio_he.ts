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
        <source>cannot update the rates from %@</source>
        <translation>לא ניתן לעדכן את השערים מ־%@</translation>
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
        <source>the rates server has no newer rates</source>
        <translation>בשרת השערים אין שערים חדשים יותר</translation>
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
        <source>the answer is not what was asked for</source>
        <translation>התשובה אינה מה שהתבקש</translation>
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
